#include "editor/shell/toolbar_icons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <functional>

namespace qzedit {

namespace {

constexpr int kIconSize = 24;
const QColor kInk(40, 48, 64);
const QColor kAccent(30, 110, 200);
const QColor kPaper(250, 250, 245);

using Drawing = std::function<void(QPainter&)>;

QPixmap drawn(int size, const Drawing& draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(p);
    return pixmap;
}

void arrowHead(QPainter& p, QPointF tip, QPointF from)
{
    QLineF back(tip, from);
    back.setLength(5);
    QLineF left = back;
    left.setAngle(back.angle() + 30);
    QLineF right = back;
    right.setAngle(back.angle() - 30);
    p.drawLine(left);
    p.drawLine(right);
}

void page(QPainter& p)
{
    QPolygonF sheet({{5, 2}, {15, 2}, {19, 6}, {19, 22}, {5, 22}});
    p.setBrush(kPaper);
    p.drawPolygon(sheet);
    p.drawPolyline(QPolygonF({{15, 2}, {15, 6}, {19, 6}}));
}

const QHash<QString, Drawing>& drawings()
{
    static const QHash<QString, Drawing> all = {
        {"new", [](QPainter& p) { page(p); }},
        {"open",
         [](QPainter& p) {
             p.setBrush(QColor(240, 200, 90));
             p.drawPolygon(QPolygonF({{2, 6}, {9, 6}, {11, 8}, {21, 8}, {21, 20}, {2, 20}}));
         }},
        {"save",
         [](QPainter& p) {
             p.setBrush(kAccent);
             p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
             p.setBrush(kPaper);
             p.drawRect(QRectF(7, 3, 10, 6));
             p.drawRect(QRectF(6, 13, 12, 8));
         }},
        {"select",
         [](QPainter& p) {
             p.setBrush(Qt::white);
             p.drawPolygon(QPolygonF({{6, 3}, {6, 19}, {10, 15}, {13, 21}, {15, 20}, {12, 14}, {18, 14}}));
         }},
        {"move",
         [](QPainter& p) {
             p.drawLine(QPointF(12, 3), QPointF(12, 21));
             p.drawLine(QPointF(3, 12), QPointF(21, 12));
             arrowHead(p, {12, 3}, {12, 12});
             arrowHead(p, {12, 21}, {12, 12});
             arrowHead(p, {3, 12}, {12, 12});
             arrowHead(p, {21, 12}, {12, 12});
         }},
        {"scale",
         [](QPainter& p) {
             p.drawRect(QRectF(3, 11, 10, 10));
             p.setPen(QPen(kAccent, 1.6, Qt::DashLine));
             p.drawRect(QRectF(3, 3, 18, 18));
             p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(13, 11), QPointF(20, 4));
             arrowHead(p, {20, 4}, {13, 11});
         }},
        {"rotate",
         [](QPainter& p) {
             p.drawArc(QRectF(4, 4, 16, 16), 30 * 16, 280 * 16);
             arrowHead(p, {18.9, 8}, {15, 5});
         }},
        {"shear",
         [](QPainter& p) {
             p.setBrush(QColor(200, 220, 245));
             p.drawPolygon(QPolygonF({{8, 5}, {21, 5}, {16, 19}, {3, 19}}));
         }},
        {"draw",
         [](QPainter& p) {
             p.drawPolyline(QPolygonF({{3, 20}, {3, 9}, {12, 4}, {20, 9}}));
             p.setBrush(kAccent);
             p.drawEllipse(QRectF(1.5, 18.5, 3, 3));
             p.drawEllipse(QRectF(18.5, 7.5, 3, 3));
             p.setPen(QPen(kAccent, 1.2, Qt::DashLine));
             p.drawLine(QPointF(20, 9), QPointF(20, 20));
         }},
        {"cut",
         [](QPainter& p) {
             p.drawEllipse(QRectF(3, 15, 6, 6));
             p.drawEllipse(QRectF(15, 15, 6, 6));
             p.drawLine(QPointF(8, 16), QPointF(17, 3));
             p.drawLine(QPointF(16, 16), QPointF(7, 3));
         }},
        {"copy",
         [](QPainter& p) {
             p.setBrush(kPaper);
             p.drawRect(QRectF(3, 3, 12, 14));
             p.drawRect(QRectF(9, 7, 12, 14));
         }},
        {"paste",
         [](QPainter& p) {
             p.setBrush(QColor(215, 170, 110));
             p.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
             p.setBrush(kPaper);
             p.drawRect(QRectF(8, 2, 8, 4));
             p.drawRect(QRectF(8, 9, 10, 11));
         }},
        {"paint",
         [](QPainter& p) {
             p.setBrush(kAccent);
             p.drawRoundedRect(QRectF(4, 3, 16, 7), 2, 2);
             p.drawLine(QPointF(12, 10), QPointF(12, 14));
             p.setBrush(kInk);
             p.drawRect(QRectF(10.5, 14, 3, 8));
         }},
        {"props",
         [](QPainter& p) {
             p.setBrush(kPaper);
             p.drawRect(QRectF(3, 3, 18, 18));
             for (double y : {8.0, 12.0, 16.0}) {
                 p.drawLine(QPointF(6, y), QPointF(10, y));
                 p.drawLine(QPointF(12, y), QPointF(18, y));
             }
         }},
        {"objects",
         [](QPainter& p) {
             p.drawLine(QPointF(6, 5), QPointF(6, 19));
             for (double y : {9.0, 14.0, 19.0}) p.drawLine(QPointF(6, y), QPointF(11, y));
             p.setBrush(kAccent);
             p.drawRect(QRectF(3, 2, 6, 5));
             for (double y : {9.0, 14.0, 19.0}) p.drawRect(QRectF(12, y - 2, 8, 4));
         }},
        {"project",
         [](QPainter& p) {
             p.setBrush(QColor(200, 220, 245));
             p.drawRect(QRectF(3, 3, 8, 8));
             p.drawEllipse(QRectF(13, 3, 8, 8));
             p.drawPolygon(QPolygonF({{7, 13}, {11, 21}, {3, 21}}));
             p.drawRect(QRectF(13, 14, 8, 6));
         }},
        {"render",
         [](QPainter& p) {
             p.setBrush(QColor(60, 70, 90));
             p.drawPolygon(QPolygonF({{3, 4}, {21, 4}, {21, 20}, {3, 20}}));
             p.setPen(QPen(QColor(255, 210, 80), 1.4));
             p.drawLine(QPointF(3, 4), QPointF(9, 9));
             p.drawLine(QPointF(21, 4), QPointF(15, 9));
             p.drawLine(QPointF(3, 20), QPointF(9, 15));
             p.drawLine(QPointF(21, 20), QPointF(15, 15));
             p.drawRect(QRectF(9, 9, 6, 6));
         }},
    };
    return all;
}

const QHash<QString, QString>& themeNames()
{
    static const QHash<QString, QString> names = {
        {"new", "document-new"}, {"open", "document-open"}, {"save", "document-save"},
        {"cut", "edit-cut"},     {"copy", "edit-copy"},     {"paste", "edit-paste"},
    };
    return names;
}

}  // namespace

QIcon toolbarIcon(const QString& imageKey)
{
    QIcon fallback(drawn(kIconSize, drawings().value(imageKey, [](QPainter&) {})));
    QString theme = themeNames().value(imageKey);
    return theme.isEmpty() ? fallback : QIcon::fromTheme(theme, fallback);
}

QIcon paletteIcon()
{
    return QIcon(drawn(32, [](QPainter& p) {
        p.setBrush(QColor(200, 220, 245));
        p.drawPolygon(QPolygonF({{3, 6}, {21, 3}, {21, 19}, {3, 21}}));
        p.setBrush(kAccent);
        p.drawEllipse(QRectF(9, 9, 6, 6));
    }));
}

QPixmap logoPixmap(int size)
{
    return drawn(size, [](QPainter& p) {
        // A plan view: three rooms joined by a passage, with the viewer's cross.
        p.setBrush(QColor(225, 235, 250));
        p.setPen(QPen(kAccent, 1.2));
        p.drawRect(QRectF(2, 2, 9, 9));
        p.drawRect(QRectF(13, 2, 9, 12));
        p.drawRect(QRectF(2, 13, 9, 9));
        p.drawLine(QPointF(11, 6), QPointF(13, 6));
        p.drawLine(QPointF(6.5, 11), QPointF(6.5, 13));
        p.setPen(QPen(QColor(200, 40, 40), 1.4));
        p.drawLine(QPointF(16, 17), QPointF(20, 21));
        p.drawLine(QPointF(16, 21), QPointF(20, 17));
    });
}

}  // namespace qzedit
