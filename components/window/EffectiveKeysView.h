// EffectiveKeysView: a panel that lists what one section really holds after inheritance: every
// key with its value and the section it comes from (the section itself or an ancestor), and,
// in a tooltip, the file and line that set it. Keys the section inherits are shown in grey.
//
// It starts hidden, and a hidden panel takes no room, so the window looks as before until the
// user asks for it. doToggle shows or hides it; onShown tells the owner it has become visible,
// so that the owner fills it only while it can be seen.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "components/window/THIWin.h"

class QLabel;
class QTableView;
class EffectiveKeysModel;

class EffectiveKeysView : public THIWin {
public:
    // One line of the list, its texts read in the encodings of the files they come from.
    struct Key {
        QString name;
        QString value;
        QString section;  // where the key is set
        QString origin;  // the file and line, for the tooltip
        bool own = false;  // set by the section itself, not inherited
    };

    explicit EffectiveKeysView(TControl* parent);
    ~EffectiveKeysView() override;

    // Builds the panel (a title over the list), then the base's Init.
    void Init() override;

    // Shows the keys of `section`.
    void ShowSection(const QString& section, std::vector<Key> keys);
    // Shows that the selected row lies in no section.
    void ShowNoSection();
    bool Shown() const;

    // Method point: shows the panel when hidden, hides it when shown.
    void doToggle(TData& d, uint16_t index);

    THI_Event onShown;  // NULL, each time the panel becomes visible

    // For the tests: what the panel shows.
    QLabel* Title() const { return title_; }
    QTableView* List() const { return list_; }

private:
    QLabel* title_ = nullptr;
    QTableView* list_ = nullptr;
    std::unique_ptr<EffectiveKeysModel> model_;
};
