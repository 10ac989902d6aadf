#include "ProgramEnd.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Yielding.h"

namespace tamberlo {
namespace {

std::vector<std::function<void()>>& steps() {
    static std::vector<std::function<void()>> s;
    return s;
}
std::function<void()> ender;

}  // namespace

void OnProgramEnd(std::function<void()> step) { steps().push_back(std::move(step)); }

void EndProgram() {
    SetAppEnding(true);
    auto todo = std::move(steps());
    steps().clear();
    for (auto it = todo.rbegin(); it != todo.rend(); ++it)
        if (*it) (*it)();
    if (ender) {
        ender();
        return;
    }
    std::fflush(nullptr);
    std::quick_exit(0);
}

void SetProcessEnder(std::function<void()> e) { ender = std::move(e); }
void ClearProgramEndSteps() { steps().clear(); }

}  // namespace tamberlo
