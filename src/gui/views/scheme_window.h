#pragma once
// TForm4: the scheme window "Circuit", a small stay-on-top window that shows the circuit
// picture of the "movie" page scaled to its own size while the user edits parameters.
// Its panel chooses the size of the squares: RadioButton1 "Small", RadioButton2
// "Medium", RadioButton3 "Large". It reads the movie page's siteDrawTable and never
// lays anything out itself; showing it sets the model's schemeWindowOpen, hiding it
// clears it.

#include "model/circuit_model.h"
#include "presentation/circuit_layout.h"
#include "views/picture_export.h"

#include <QWidget>

class QRadioButton;

namespace quorel::gui {

class CircuitBox;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    TForm4(CircuitModel& model, const SiteDrawTable& table, QWidget* parent = nullptr);

    // Shows the window (the first time at its default place) and brings it to the front.
    void showScheme();
    // "Default Window Size(&D)": normal state, its left edge at the middle of the screen,
    // its top at half the screen's height, 284 x 224.
    void placeAtDefault();
    // Repaints the picture from the table (after circuitLayout).
    void refreshScheme();
    void setLargeFonts(bool largeFonts);

    SchemeSquareSize squareSize() const;
    SquareLook squareLook() const;

    // "Export circuit…" of the picture's context menu.
    QString exportCircuit();
    PictureExport pictureExport;

    QWidget* Panel1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;  // "Small"
    QRadioButton* RadioButton2 = nullptr;  // "Medium"
    QRadioButton* RadioButton3 = nullptr;  // "Large"
    CircuitBox* PaintBox1 = nullptr;

    static constexpr int kDefaultWidth = 284;
    static constexpr int kDefaultHeight = 224;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void RadioButton1Click();

    CircuitModel& model_;
    int largeFonts_ = 0;
    bool placed_ = false;
};

}  // namespace quorel::gui
