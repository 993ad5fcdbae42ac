#pragma once
// TMenuPainterManager: the one object that knows every painter of the program. It chooses a
// leading painter whose styling reaches forms that have no painter of their own, styles those
// forms from the application window's message stream, and hands the flat popup-menu frame
// requests to the host. A painter that is stored inactive and switched on later never leads.
#include <functional>
#include <vector>

#include "controls/menu_painter.h"

namespace controls {

class TMenuPainterManager {
public:
    TMenuPainterManager() = default;
    TMenuPainterManager(const TMenuPainterManager&) = delete;
    TMenuPainterManager& operator=(const TMenuPainterManager&) = delete;

    // --- painters ---
    // The painter's form has finished loading.
    void registerPainter(TMenuPainter& painter);
    // The painter is being destroyed.
    void unregisterPainter(TMenuPainter& painter);
    // Chooses the leader again (a painter's DisableSubclassing changed).
    void electLeader();
    TMenuPainter* leader() const { return leader_; }
    const std::vector<TMenuPainter*>& painters() const { return painters_; }
    bool empty() const { return painters_.empty(); }

    // --- forms of the program ---
    void formCreated(PainterForm& form);
    void formDestroyed(PainterForm& form);
    bool styled(const PainterForm& form) const;
    bool queued(const PainterForm& form) const;

    // --- the application window's messages ---
    // Every message of the application window passes here; the hook never handles it. A flat
    // frame request is handed to drawFlatMenuFrame; then the queued forms are styled.
    void applicationMessage(const FlatMenuRequest* flatMenuRequest = nullptr);
    // Draws the frame of the menu window the request names (the Windows side).
    std::function<void(const FlatMenuRequest&, TMenuPainter& painter)> drawFlatMenuFrame;

private:
    bool eligible(const TMenuPainter& p) const;
    void queueOpenForms();
    void leaderGone(TMenuPainter& old);
    TMenuPainter* painterOf(const MenuItem& item) const;

    std::vector<TMenuPainter*> painters_;
    std::vector<PainterForm*> openForms_;
    std::vector<PainterForm*> styledForms_;
    std::vector<PainterForm*> queuedForms_;
    TMenuPainter* leader_ = nullptr;
};

}  // namespace controls
