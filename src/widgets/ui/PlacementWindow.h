#pragma once
// `PlacementWindow`: a `DesignSizeWindow` whose placement persists in the option set under
// "RestoreWindows": size, position with stay-on-top, window state and
// visibility, each group only when the window asks for it. The normal
// rectangle is what is kept, also while the window is maximised or minimised.
//
// A dialog adopts it by deriving from it beside its Qt class:
//   class FindDialog : public QDialog, public PlacementWindow {
//       FindDialog(QWidget* parent) : QDialog(parent), PlacementWindow(this) {
//           PlacementGroups = WindowPlacement::Size | WindowPlacement::Position; ... }
//   };
// The placement is restored when the window is first shown (or by an earlier
// loadPlacement()) and saved into the option set when it is hidden or closed.
#include <QRect>
#include <string>

#include "config/FormPlacement.h"
#include "config/WindowPlacement.h"
#include "widgets/ui/DesignSizeWindow.h"

class QMenu;

namespace sj {

struct Options;

class PlacementWindow : public DesignSizeWindow {
public:
    enum Extra : unsigned { StayOnTopItem = 1, HideWindowItem = 2, SaveWindowStateItem = 4 };

    // options: where placements live; null takes the program's option set.
    explicit PlacementWindow(QWidget* self, Options* options = nullptr, bool mainRole = false);

    // The program's option set and configuration file, given once at start.
    static void setProgramOptions(Options* options);
    static void setConfigFile(const std::string& path);

    unsigned PlacementGroups = WindowPlacement::All;
    bool AutoPlacement = true;
    unsigned SystemMenuExtras = 0;
    std::string SectionName{WindowPlacement::kSection};
    // Prefix of the placement keys; empty means the window's object name.
    std::string KeyPrefix;
    // Placed in the screen's centre by its own settings: stays so while no
    // "_Top" is stored.
    bool CentredByDesign = false;
    // Minimising hides into the tray: a stored minimised state starts hidden.
    bool LivesInTray = false;

    std::string keyPrefix() const;

    // Applies the stored placement (once; later calls do nothing).
    void loadPlacement();
    // Takes the placement now into the option set.
    void savePlacement();
    // Also writes the keys to the configuration file at once ("Save &Window State").
    bool savePlacementNow();
    void rememberNormalPlacement();
    // The placement as it would be saved now.
    WindowPlacement currentPlacement(unsigned groups);
    // A stored minimised state asked a tray window to start hidden.
    bool startsHidden() const { return m_startHidden; }

    bool hiddenByUser() const { return m_hiddenByUser; }
    void setHiddenByUser(bool on) { m_hiddenByUser = on; }
    // "Hide &Window": hides the window and marks it hidden.
    void hideWindow();

    // The window's extra commands (stay on top, hide, save state), as chosen
    // in SystemMenuExtras; shown on a right click on the window's background.
    QMenu* extrasMenu(QWidget* parent);

protected:
    bool formEvent(QEvent* e) override;
    Options* placementOptions() const;

private:
    FormRect frameRect() const;

    Options* m_options;
    FormPlacement m_placement;
    bool m_loaded = false;
    bool m_startHidden = false;
    bool m_hiddenByUser = false;
};

}  // namespace sj
