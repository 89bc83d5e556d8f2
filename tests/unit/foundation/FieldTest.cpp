#include "foundation/Field.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <ostream>

namespace
{
struct LetterboxCase
{
    sf::Vector2u window;
    sf::IntRect field; // the window pixels the field is drawn into
};

std::ostream& operator<<(std::ostream& out, const LetterboxCase& c)
{
    return out << c.window.x << " x " << c.window.y;
}
} // namespace

class FieldLetterbox : public ::testing::TestWithParam<LetterboxCase>
{
};

// The field keeps its shape and is as large as the window allows, centred;
// where the bars cannot split evenly, the odd pixel goes right or down.
TEST_P(FieldLetterbox, FieldFillsTheLargestCentredSquareThatFits)
{
    const LetterboxCase& c = GetParam();
    TestWindow::shared(); // a GL context for the target
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(c.window.x, c.window.y));
    const sf::View view = Field::letterbox(c.window);

    EXPECT_EQ(view.getSize(), sf::Vector2f(800.f, 800.f));
    EXPECT_EQ(view.getCenter(), sf::Vector2f(400.f, 400.f));
    EXPECT_EQ(target.getViewport(view), c.field);
    // The field's corners land on the corners of that rectangle.
    EXPECT_EQ(target.mapCoordsToPixel({0.f, 0.f}, view), sf::Vector2i(c.field.left, c.field.top));
    EXPECT_EQ(target.mapCoordsToPixel({800.f, 800.f}, view),
              sf::Vector2i(c.field.left + c.field.width, c.field.top + c.field.height));
}

INSTANTIATE_TEST_SUITE_P(Windows, FieldLetterbox,
                         ::testing::Values(LetterboxCase{{800, 800}, {0, 0, 800, 800}},
                                           LetterboxCase{{1200, 800}, {200, 0, 800, 800}},
                                           LetterboxCase{{800, 1200}, {0, 200, 800, 800}},
                                           LetterboxCase{{400, 400}, {0, 0, 400, 400}},
                                           LetterboxCase{{1000, 1000}, {0, 0, 1000, 1000}},
                                           LetterboxCase{{1920, 1080}, {420, 0, 1080, 1080}},
                                           LetterboxCase{{1366, 768}, {299, 0, 768, 768}},
                                           LetterboxCase{{801, 800}, {0, 0, 800, 800}},
                                           LetterboxCase{{300, 1201}, {0, 450, 300, 300}}),
                         [](const ::testing::TestParamInfo<LetterboxCase>& caseInfo)
                         {
                             return std::to_string(caseInfo.param.window.x) + "x" +
                                    std::to_string(caseInfo.param.window.y);
                         });

// A minimised window can report no size at all.
TEST(FieldLetterboxEmptyWindow, ShowsTheWholeFieldWithoutDividingByZero)
{
    for (const sf::Vector2u size : {sf::Vector2u(0, 0), sf::Vector2u(0, 600), sf::Vector2u(600, 0)})
    {
        const sf::View view = Field::letterbox(size);
        EXPECT_EQ(view.getSize(), sf::Vector2f(800.f, 800.f));
        EXPECT_EQ(view.getViewport(), sf::FloatRect(0.f, 0.f, 1.f, 1.f));
    }
}
