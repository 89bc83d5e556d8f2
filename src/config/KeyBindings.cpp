#include "config/KeyBindings.hpp"

#include <algorithm>

namespace
{
// The items become the one list's whole contents, in order and once each,
// and leave every other list that had them.
template <typename Item, std::size_t Count>
void moveInto(std::array<std::vector<Item>, Count>& lists, std::size_t to,
              const std::vector<Item>& items)
{
    const auto isMoved = [&](const Item& item)
    { return std::find(items.begin(), items.end(), item) != items.end(); };
    for (auto& list : lists)
        list.erase(std::remove_if(list.begin(), list.end(), isMoved), list.end());
    lists[to].clear();
    for (const Item& item : items)
        if (std::find(lists[to].begin(), lists[to].end(), item) == lists[to].end())
            lists[to].push_back(item);
}
} // namespace

KeyBindings::KeyBindings()
    : mKeys{{{sf::Keyboard::Left},
             {sf::Keyboard::Right},
             {sf::Keyboard::Up, sf::Keyboard::Space},
             {sf::Keyboard::P, sf::Keyboard::Pause, sf::Keyboard::Escape}}}
{
}

const char* KeyBindings::nameOf(Action action)
{
    switch (action)
    {
    case Action::Left:
        return "left";
    case Action::Right:
        return "right";
    case Action::Fire:
        return "fire";
    case Action::Pause:
        break;
    }
    return "pause";
}

const std::vector<sf::Keyboard::Key>& KeyBindings::keys(Action action) const
{
    return mKeys[indexOf(action)];
}

std::optional<KeyBindings::Action> KeyBindings::actionOf(sf::Keyboard::Key key) const
{
    for (Action action : Actions)
    {
        const auto& bound = keys(action);
        if (std::find(bound.begin(), bound.end(), key) != bound.end())
            return action;
    }
    return std::nullopt;
}

// M mutes, - and + turn the volume, F11 switches fullscreen on every screen:
// bound to an action they would do both.
std::optional<KeyBindings::Fixed> KeyBindings::fixedRoleOf(sf::Keyboard::Key key)
{
    switch (key)
    {
    case sf::Keyboard::M:
        return Fixed::Mute;
    case sf::Keyboard::Hyphen:
    case sf::Keyboard::Subtract:
        return Fixed::Quieter;
    case sf::Keyboard::Equal:
    case sf::Keyboard::Add:
        return Fixed::Louder;
    case sf::Keyboard::F11:
        return Fixed::Fullscreen;
    default:
        return std::nullopt;
    }
}

bool KeyBindings::isReserved(sf::Keyboard::Key key)
{
    return key == sf::Keyboard::Unknown || fixedRoleOf(key).has_value();
}

bool KeyBindings::setKeys(Action action, const std::vector<sf::Keyboard::Key>& keys)
{
    if (std::any_of(keys.begin(), keys.end(), isReserved))
        return false;
    moveInto(mKeys, indexOf(action), keys);
    return true;
}

bool KeyBindings::bind(Action action, sf::Keyboard::Key key)
{
    const std::vector<sf::Keyboard::Key> before = keys(action);
    const std::optional<Action> holder = actionOf(key);
    if (!setKeys(action, {key}))
        return false;
    if (holder && holder != action && keys(*holder).empty())
        for (sf::Keyboard::Key old : before)
            if (old != key)
                mKeys[indexOf(*holder)].push_back(old);
    return true;
}

// Defaults never overlap: an action given its own back keeps them for good,
// so each round makes one more action whole and the rounds end.
std::vector<KeyBindings::Action> KeyBindings::restoreMissing()
{
    std::vector<Action> restored;
    const auto missing = [this]
    {
        return std::find_if(Actions.begin(), Actions.end(),
                            [this](Action each) { return keys(each).empty(); });
    };
    for (auto action = missing(); action != Actions.end(); action = missing())
    {
        moveInto(mKeys, indexOf(*action), KeyBindings().keys(*action));
        restored.push_back(*action);
    }
    return restored;
}

const std::vector<unsigned int>& KeyBindings::padButtons(Action action) const
{
    return mPadButtons[indexOf(action)];
}

bool KeyBindings::setPadButtons(Action action, const std::vector<unsigned int>& buttons)
{
    if (action == Action::Left || action == Action::Right)
        return false;
    moveInto(mPadButtons, indexOf(action), buttons);
    return true;
}
