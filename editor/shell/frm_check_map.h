#pragma once
#include <QWidget>

#include "editor/shell/logic/check_map_list.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace qzedit {

// The Check Map window (caption "Check Map"): the map checker's findings, one a line, errors first;
// a click on one selects and flashes its wall or area. The list follows the map while it is shown.
class frmCheckMap : public QWidget {
    Q_OBJECT
public:
    frmCheckMap(ProjectSelection& selection, MapViewController& mapView, QWidget* parent = nullptr);

    CheckMapList& list() { return list_; }
    // Checks the map again and lists what was found.
    void checkAgain();

private:
    CheckMapList list_;
    QLabel* lblSummary_;
    QListWidget* lstFindings_;
    QPushButton* cmdCheckAgain_;
};

}  // namespace qzedit
