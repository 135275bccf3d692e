// Windows opened through a table of openers rather than by name: the steps of
// the main window's navigation, and the windows of the main window's room that
// other windows open in passing (the support list, to pick a support, and the
// project-name dialog). The program puts the openers in place at start-up;
// tests may put their own.
#pragma once

#include <functional>
#include <map>

class QWidget;

namespace vesk {

// Shows a window modally over parent and returns when it closes.
using WindowOpener = std::function<void(QWidget* parent)>;

template <typename Key>
class OpenerTable {
public:
    // An empty opener removes the key's opener.
    void set(Key key, WindowOpener opener)
    {
        if (opener)
            table_[key] = std::move(opener);
        else
            table_.erase(key);
    }
    void clear() { table_.clear(); }
    bool has(Key key) const { return table_.count(key) != 0; }
    // Opens the key's window modally. False, and nothing shown, when the key
    // has no opener.
    bool open(Key key, QWidget* parent) const
    {
        auto it = table_.find(key);
        if (it == table_.end())
            return false;
        WindowOpener opener = it->second;  // a copy: the opener may replace itself
        opener(parent);
        return true;
    }

private:
    std::map<Key, WindowOpener> table_;
};

enum class SharedWindow { SupportList, ProjectName };

void SetWindowOpener(SharedWindow window, WindowOpener opener);
bool OpenWindow(SharedWindow window, QWidget* parent);

}  // namespace vesk
