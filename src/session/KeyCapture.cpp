#include "session/KeyCapture.hpp"

#include "config/KeyNames.hpp"
#include "presentation/Lettering.hpp"

KeyCapture::Outcome KeyCapture::bind(KeyBindings& keys, KeyBindings::Action action,
                                     const Input& input)
{
    using Action = KeyBindings::Action;
    if (!input.isFreshPress())
        return Outcome::Waiting;
    if (input.menu == MenuControl::Back)
        return Outcome::Cancelled;
    const Source& source = input.source;
    if (source.device == Device::Pad)
    {
        if (action == Action::Left || action == Action::Right)
            return Outcome::StickOnly;
        keys.setPadButtons(action, {static_cast<unsigned int>(source.code)});
        return Outcome::Bound;
    }
    const auto key = static_cast<sf::Keyboard::Key>(source.code);
    if ((key == sf::Keyboard::Enter && source.alt) || !keys.bind(action, key))
        return Outcome::Kept;
    return Outcome::Bound;
}

std::string KeyCapture::nameOf(const Source& source)
{
    if (source.device == Device::Pad)
        return "BUTTON " + std::to_string(source.code);
    const std::string name = KeyNames::nameOf(static_cast<sf::Keyboard::Key>(source.code));
    return Lettering::capitals((source.alt ? "Alt+" : "") + (name.empty() ? "that key" : name));
}
