#pragma once

// A switch of a control or window whose owner must hear of each change, since the look of the window follows
// it (a button's Default flag, a window's KeyPreview): read and set like a bool.
template <typename Owner, void (*changed)(Owner*)> class NotifyingFlag {
public:
    explicit NotifyingFlag(Owner* owner)
        : m_owner(owner)
    {
    }
    NotifyingFlag(const NotifyingFlag&) = delete;
    NotifyingFlag& operator=(bool on)
    {
        if (on == m_on) return *this;
        m_on = on;
        changed(m_owner);
        return *this;
    }
    NotifyingFlag& operator=(const NotifyingFlag& other) { return *this = bool(other); }
    operator bool() const { return m_on; }

private:
    Owner* m_owner;
    bool m_on = false;
};
