#pragma once
// The pop-up menu as a model. Items are named as in the device's behaviour; the view builds the real menu
// from this tree each time it opens and calls `choose` for the picked item.
#include <functional>
#include <string>
#include <vector>

namespace tap {

struct MenuItem {
    std::string name;
    std::string caption;  // "-" makes a separator
    bool checked = false;
    bool visible = true;
    bool enabled = true;
    std::function<void()> onClick;
    std::vector<MenuItem> children;

    bool isSeparator() const { return caption == "-"; }
};

// Building blocks of menu trees.
MenuItem menuEntry(std::string name, std::string caption, std::function<void()> onClick = {});
MenuItem menuGroup(std::string name, std::string caption, std::vector<MenuItem> children);
MenuItem menuSeparator(std::string name);
MenuItem ticked(MenuItem it);
MenuItem hidden(MenuItem it);

class Menu {
public:
    explicit Menu(std::vector<MenuItem> items) : items_(std::move(items)) {}

    const std::vector<MenuItem>& items() const { return items_; }
    // Throws std::out_of_range for a name that is not in the menu: a typo must not pass silently.
    MenuItem& item(const std::string& name);
    const MenuItem& item(const std::string& name) const;

    bool checked(const std::string& name) const { return item(name).checked; }
    void setChecked(const std::string& name, bool on) { item(name).checked = on; }
    void setVisible(const std::string& name, bool on) { item(name).visible = on; }
    // Radio groups: check `name`, clear the others in the list.
    void checkOnly(const std::string& name, const std::vector<std::string>& group);

    // Runs the item's handler, as a click on it would.
    void choose(const std::string& name);

private:
    static MenuItem* find(std::vector<MenuItem>& items, const std::string& name);
    std::vector<MenuItem> items_;
};

}  // namespace tap
