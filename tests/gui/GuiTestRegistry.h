#pragma once
// The desktop's test classes register here, so one program runs them all on one QApplication.

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace lx::test {

using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<GuiTestFactory>& GuiTests() {
    static std::vector<GuiTestFactory> tests;
    return tests;
}

template <class Test>
struct RegisterGuiTest {
    RegisterGuiTest() {
        GuiTests().push_back([] { return std::make_unique<Test>(); });
    }
};

}  // namespace lx::test
