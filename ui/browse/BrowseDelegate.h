#pragma once

#include <QStyledItemDelegate>

namespace kestrel {

// Paints one tile of the card's grid: the thumbnail (a placeholder until it is read, or
// when it cannot be), a mark saying where the file stands, its name and its time.
class BrowseDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The side of the square a thumbnail is drawn in.
    static constexpr int kThumbnailSide = 128;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace kestrel
