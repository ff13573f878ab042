#include "ProgramEnd.h"

#include <QCoreApplication>

namespace bacc {
namespace {
std::function<void()>& Hook() {
    static std::function<void()> hook;
    return hook;
}
} // namespace

void EndProgram() {
    if (Hook()) {
        Hook()();
        return;
    }
    QCoreApplication::exit(0);
}

void SetEndProgramHook(std::function<void()> hook) {
    Hook() = std::move(hook);
}

} // namespace bacc
