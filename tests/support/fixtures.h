#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class QWidget;

// A test's own program folder and data folder, a test clock and a pinned random seed; errors that a
// handler reports are collected in `errors` instead of shown.
class TaviTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString programFolder() const; // ends with "/"
    QString dataFolder() const; // ends with "/"
    QString dataPath(const QString& relative) const { return dataFolder() + relative; }

    QStringList errors;

private:
    QTemporaryDir m_dir;
};

// Bytes of a file, or empty when it cannot be read.
QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// Grabs a widget into TAVI_TEST_OUTPUT/<name>.png so that one can look at what a pupil would see.
QString grabToPng(QWidget* widget, const QString& name);
