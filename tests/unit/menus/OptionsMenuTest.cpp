#include "menus/OptionsMenu.hpp"

#include "config/BestLevel.hpp"
#include "config/Preferences.hpp"
#include "support/ScopedXdgHome.hpp"
#include "support/TestSession.hpp"
#include "support/TestWindow.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>

namespace
{
void press(OptionsMenu& options, std::initializer_list<MenuControl> controls)
{
    for (const MenuControl control : controls)
    {
        Input input;
        input.type = Input::Type::Press;
        input.menu = control;
        options.handle(input);
    }
}
} // namespace

// With Normal's best at 3, the mode turns round the three modes and the practice
// level round 1 to 3; over a game both are shown and held.
TEST(OptionsModePage, ChangesOnlyBetweenGamesAndPracticeWithinTheLevelsReached)
{
    using C = MenuControl;
    ScopedXdgHome home;
    TestSession session(TestWindow::shared());
    std::ostringstream problems;
    session.bestLevel().record(3, problems);
    const Preferences& chosen = session.context().preferences;
    for (const bool overGame : {true, false})
    {
        OptionsMenu options(session, nullptr, overGame);
        // The sound and window rows, then the link to the mode's page.
        press(options, {C::Down, C::Down, C::Down, C::Down, C::Down, C::Down, C::Accept});
        press(options, {C::Left, C::Down, C::Left});
        EXPECT_EQ(chosen.values().mode, overGame ? PlayMode::Normal : PlayMode::Practice);
        EXPECT_EQ(chosen.values().practiceLevel, overGame ? 1 : 3) << "from 1 round to the best";
    }
    OptionsMenu options(session, nullptr);
    press(options, {C::Down, C::Down, C::Down, C::Down, C::Down, C::Down, C::Accept});
    press(options, {C::Down, C::Right});
    EXPECT_EQ(chosen.values().practiceLevel, 1) << "from the best round to 1";
}
