#pragma once

#include <QDialog>

#include <memory>
#include <vector>

// Every object dialog of the program, created once at start-up in a fixed order over the
// main window, and kept until the program ends: each is shown and hidden again, so it
// keeps the values it held last.
class ObjectDialogs {
public:
    explicit ObjectDialogs(QWidget* mainWindow);
    ~ObjectDialogs();
    ObjectDialogs(const ObjectDialogs&) = delete;
    ObjectDialogs& operator=(const ObjectDialogs&) = delete;

    // The one dialog of that class, or nullptr when the program has none.
    template <typename Dialog>
    Dialog* find() const
    {
        for (const auto& dialog : m_dialogs) {
            if (auto* found = qobject_cast<Dialog*>(dialog.get()))
                return found;
        }
        return nullptr;
    }

private:
    template <typename Dialog>
    void create(QWidget* mainWindow)
    {
        m_dialogs.push_back(std::make_unique<Dialog>(mainWindow));
    }

    std::vector<std::unique_ptr<QDialog>> m_dialogs;
};
