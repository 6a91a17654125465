#pragma once

#include <QWidget>

namespace addressbook {

// Base of the dialogs and the help window: created hidden at start, hidden
// (never destroyed) when closed, centred on the screen at their first showing
// when asked to be, and shown where they last stood afterwards.
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    enum class Placement { CentreOnFirstShow, DesignPosition };

    SecondaryWindow(Placement placement, QWidget *parent = nullptr);

    // Makes the window visible and brings it to the front. The show handler
    // runs only when a hidden window becomes visible; showing a visible
    // window only raises it. A minimised window stays minimised.
    void showWindow();

protected:
    // Runs when the hidden window becomes visible, before it is displayed.
    virtual void FormShow() {}

private:
    Placement placement_;
    bool shownBefore_ = false;
};

// Moves a window so that its frame is centred on the primary screen.
void centreOnScreen(QWidget &window);

// The fonts of the original layout: families that may be missing here are
// mapped to metric-compatible ones, at the given pixel heights.
QFont layoutFont(const QString &family, int pixelHeight, bool bold = false, bool italic = false);

} // namespace addressbook
