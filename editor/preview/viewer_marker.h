#pragma once
#include <QWidget>
#include <optional>

#include "editor/preview/logic/engine_binding.h"

namespace qzedit {

class clsMap;

// Where the live preview's viewer stands, drawn over the map view: a ring at its position and a
// line the way it looks. It lies over the whole picture and lets the mouse through.
class ViewerMarker : public QWidget {
    Q_OBJECT
public:
    ViewerMarker(const clsMap& map, QWidget* picture);

    void setPlace(const std::optional<ViewerPlace>& place);
    const std::optional<ViewerPlace>& place() const { return place_; }
    // The marker's centre on the picture, in pixels.
    QPointF centre() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const clsMap& map_;
    std::optional<ViewerPlace> place_;
};

}  // namespace qzedit
