#pragma once

#include <QString>
#include <QTemporaryDir>

namespace bacc::test {

// A settings file of its own for a test: a copy of the shipped defaults (or the given text) in a
// temporary directory, made the program's settings file for as long as the object lives.
class TempSettings {
public:
    TempSettings();
    explicit TempSettings(const QByteArray& contents);
    explicit TempSettings(const QString& contents) : TempSettings(contents.toLatin1()) {}
    ~TempSettings();
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;

    QByteArray Contents() const;

private:
    QTemporaryDir dir_;
    QString path_;
};

// The shipped default settings file.
QString ShippedIniPath();

} // namespace bacc::test
