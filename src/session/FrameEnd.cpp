#include "session/FrameEnd.hpp"

#include "platform/Desktop.hpp"
#include "presentation/VolumeNotice.hpp"
#include "session/ScreenContext.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

void FrameEnd::finish(ScreenContext& context, bool drew)
{
    if (!drew)
    {
        context.desktop.rest();
        return;
    }
    context.notice.draw(context.window);
    context.desktop.display(context.window);
}
