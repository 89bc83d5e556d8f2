#include "session/KeyCapture.hpp"

#include "config/KeyNames.hpp"
#include "language/Translation.hpp"
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
        return fill(tr("BUTTON %s"), {std::to_string(source.code)});
    const std::string name = KeyNames::nameOf(static_cast<sf::Keyboard::Key>(source.code));
    if (name.empty())
        return tr("THAT KEY");
    return Lettering::capitals((source.alt ? "Alt+" : "") + name);
}

// Whole sentences for each action, so that each language words them its own way.
std::string KeyCapture::question(KeyBindings::Action action)
{
    using Action = KeyBindings::Action;
    switch (action)
    {
    case Action::Left:
        return tr("PRESS A KEY FOR LEFT");
    case Action::Right:
        return tr("PRESS A KEY FOR RIGHT");
    case Action::Fire:
        return tr("PRESS A KEY FOR FIRE");
    case Action::Pause:
        break;
    }
    return tr("PRESS A KEY FOR PAUSE");
}

std::string KeyCapture::refusal(Outcome outcome, const Source& source)
{
    if (outcome == Outcome::StickOnly)
        return tr("THE STICK STEERS: A KEY?");
    // TRANSLATORS: %s is a key's name in capitals ("M", "F11", "BUTTON 5").
    return fill(tr("%s IS KEPT: ANOTHER KEY?"), {nameOf(source)});
}
