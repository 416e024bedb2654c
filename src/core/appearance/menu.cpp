#include "core/appearance/menu.h"

#include <stdexcept>

namespace tap {

MenuItem menuEntry(std::string name, std::string caption, std::function<void()> onClick) {
    MenuItem it;
    it.name = std::move(name);
    it.caption = std::move(caption);
    it.onClick = std::move(onClick);
    return it;
}

MenuItem menuGroup(std::string name, std::string caption, std::vector<MenuItem> children) {
    MenuItem it = menuEntry(std::move(name), std::move(caption));
    it.children = std::move(children);
    return it;
}

MenuItem menuSeparator(std::string name) { return menuEntry(std::move(name), "-"); }

MenuItem ticked(MenuItem it) {
    it.checked = true;
    return it;
}

MenuItem hidden(MenuItem it) {
    it.visible = false;
    return it;
}

MenuItem* Menu::find(std::vector<MenuItem>& items, const std::string& name) {
    for (auto& it : items) {
        if (it.name == name) return &it;
        if (auto* child = find(it.children, name)) return child;
    }
    return nullptr;
}

MenuItem& Menu::item(const std::string& name) {
    if (auto* it = find(items_, name)) return *it;
    throw std::out_of_range("no menu item " + name);
}

const MenuItem& Menu::item(const std::string& name) const { return const_cast<Menu*>(this)->item(name); }

void Menu::checkOnly(const std::string& name, const std::vector<std::string>& group) {
    for (const auto& g : group) item(g).checked = (g == name);
}

void Menu::choose(const std::string& name) {
    auto& it = item(name);
    if (it.onClick) it.onClick();
}

}  // namespace tap
