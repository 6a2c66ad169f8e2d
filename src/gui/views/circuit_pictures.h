#pragma once
// The painted pictures of the animation: the circuit (PaintBox1 of the "movie" page and
// of the scheme window) and the movie strip (PaintBoxM). Both paint plain data from core
// on every paint event; the same routines paint the exported PNG and SVG files.

#include "presentation/circuit_layout.h"
#include "presentation/movie_replay.h"
#include "presentation/movie_strip.h"

#include <QWidget>

class QPainter;

namespace quorel::gui {

// drawCircuit: black, then every site's square in its colour (or, for a frame of the
// replay, in its grey level) with its number in blue Arial bold. The positions of
// `table` are scaled from the size it was laid out for to `size`.
void paintCircuit(QPainter& painter, const SiteDrawTable& table, SquareLook look, QSize size,
                  const MovieFrame* frame = nullptr);

// drawMovieStrip, with the replay's cursor at column cursorX (none when negative).
void paintMovieStrip(QPainter& painter, const MovieStripPlan& plan, int cursorX);

// A paint box showing the circuit: the static picture, or a frame of the replay.
class CircuitBox : public QWidget {
    Q_OBJECT
public:
    CircuitBox(const SiteDrawTable& table, QWidget* parent = nullptr);

    void setLook(SquareLook look);
    SquareLook look() const { return look_; }
    // The frame to show; null: the static picture.
    void showFrame(const MovieFrame* frame);
    const MovieFrame* frame() const { return frame_; }
    // The picture as shown, at the box's size.
    void paintPicture(QPainter& painter, bool staticPicture) const;

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const SiteDrawTable& table_;
    SquareLook look_;
    const MovieFrame* frame_ = nullptr;
};

// PaintBoxM: the strip of the chosen site with the replay's cursor.
class MovieStripBox : public QWidget {
    Q_OBJECT
public:
    explicit MovieStripBox(QWidget* parent = nullptr);

    MovieStripPlan& plan() { return plan_; }
    const MovieStripPlan& plan() const { return plan_; }
    void setCursorX(int x);
    int cursorX() const { return cursorX_; }

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MovieStripPlan plan_;
    int cursorX_ = -1;
};

}  // namespace quorel::gui
