#pragma once

#include <QString>
#include <QTemporaryDir>

namespace bacc::test {

// A settings file of its own for a test, in a temporary directory that goes with it. The program reads
// and writes it from construction until destruction.
class ScratchSettings {
public:
    explicit ScratchSettings(const QString& contents = QString());
    ~ScratchSettings();
    ScratchSettings(const ScratchSettings&) = delete;
    ScratchSettings& operator=(const ScratchSettings&) = delete;

    // Replaces the whole file.
    void Write(const QString& contents);
    // The whole file as it stands.
    QString Contents() const;
    QString Path() const;

private:
    QTemporaryDir dir_;
};

} // namespace bacc::test
