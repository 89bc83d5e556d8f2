#include "menus/PageLayout.hpp"

#include "presentation/TextSizes.hpp"

PageLayout PageLayout::of(bool large)
{
    using TextSizes::Use;
    const float scale = TextSizes::scale(large);
    return {TextSizes::of(Use::MenuHeading, large),
            TextSizes::of(Use::MenuPrompt, large),
            TextSizes::of(Use::MenuEntry, large),
            TextSizes::of(Use::MenuTable, large),
            large ? 100.f : 150.f,
            large ? 190.f : 240.f,
            46.f * scale,
            large ? 20.f : 60.f,
            large ? 780.f : 740.f,
            large ? 76.f : 120.f,
            large ? 750.f : 680.f,
            80.f * scale};
}
