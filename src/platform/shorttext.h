#pragma once
#include <QString>

// text[N]: assigning a longer text keeps its first N characters.
template <int N>
class Text {
public:
    Text() = default;
    Text(const QString& s) : m_value(s.left(N)) { }
    Text(const char* s) : m_value(QString::fromUtf8(s).left(N)) { }
    Text& operator=(const QString& s)
    {
        m_value = s.left(N);
        return *this;
    }
    Text& operator=(const char* s) { return *this = QString::fromUtf8(s); }
    Text& operator+=(const QString& s) { return *this = m_value + s; }
    operator const QString&() const { return m_value; }
    const QString& str() const { return m_value; }
    int length() const { return int(m_value.size()); }
    bool isEmpty() const { return m_value.isEmpty(); }
    static constexpr int capacity() { return N; }
    QChar operator[](int i) const { return m_value.at(i); }

    friend bool operator==(const Text& a, const QString& b) { return a.m_value == b; }
    friend bool operator==(const QString& a, const Text& b) { return a == b.m_value; }
    friend bool operator==(const Text& a, const char* b) { return a.m_value == QString::fromUtf8(b); }
    friend bool operator!=(const Text& a, const QString& b) { return a.m_value != b; }
    friend bool operator!=(const Text& a, const char* b) { return a.m_value != QString::fromUtf8(b); }
    template <int M>
    friend bool operator==(const Text& a, const Text<M>& b) { return a.m_value == b.str(); }
    friend QString operator+(const Text& a, const QString& b) { return a.m_value + b; }
    friend QString operator+(const QString& a, const Text& b) { return a + b.m_value; }
    friend QString operator+(const Text& a, const char* b) { return a.m_value + QString::fromUtf8(b); }
    friend QString operator+(const char* a, const Text& b) { return QString::fromUtf8(a) + b.m_value; }

protected:
    QString m_value;
};
