#include "browse/BrowseDelegate.h"

#include "browse/BrowseModel.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace kestrel {

namespace {
constexpr int kPadding = 6;

// The mark's colours: new stands out, what is safe already recedes.
QColor markColour(Standing standing) {
    switch (standing) {
    case Standing::New:
        return QColor(0x2e, 0x7d, 0x32);
    case Standing::AtDestination:
        return QColor(0x45, 0x5a, 0x64);
    case Standing::ImportedBefore:
        return QColor(0xb2, 0x6a, 0x00);
    case Standing::NotImported:
        return QColor(0x75, 0x75, 0x75);
    }
    return Qt::gray;
}

void paintMark(QPainter* painter, const QRect& thumbnailArea, const QString& text,
               const QColor& colour) {
    QFont font = painter->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    font.setBold(true);
    painter->setFont(font);
    const QFontMetrics metrics(font);
    const QRect mark(thumbnailArea.left() + 2, thumbnailArea.top() + 2,
                     metrics.horizontalAdvance(text) + 10, metrics.height() + 2);
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawRoundedRect(mark, 4, 4);
    painter->setPen(Qt::white);
    painter->drawText(mark, Qt::AlignCenter, text);
}

void paintPlaceholder(QPainter* painter, const QRect& area, bool unreadable,
                      const QPalette& palette) {
    const QRect frame = area.adjusted(12, 20, -12, -20);
    painter->setPen(palette.color(QPalette::Mid));
    painter->setBrush(palette.color(QPalette::AlternateBase));
    painter->drawRect(frame);
    if (unreadable)
        painter->drawText(frame, Qt::AlignCenter | Qt::TextWordWrap,
                          BrowseModel::tr("No preview"));
}
} // namespace

QSize BrowseDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    const int line = option.fontMetrics.height();
    return {kThumbnailSide + 2 * kPadding, kThumbnailSide + 2 * line + 3 * kPadding};
}

void BrowseDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    painter->save();
    const QPalette& palette = option.palette;
    const bool selected = option.state & QStyle::State_Selected;
    const auto standing = static_cast<Standing>(index.data(BrowseModel::StandingRole).toInt());
    const bool greyed = standing == Standing::NotImported;
    if (selected) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette.color(QPalette::Highlight));
        painter->drawRoundedRect(option.rect.adjusted(1, 1, -1, -1), 6, 6);
    }
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(palette.color(QPalette::Highlight).darker(130), 1, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(option.rect.adjusted(2, 2, -2, -2), 6, 6);
    }
    if (greyed)
        painter->setOpacity(0.45);

    const QRect area(option.rect.left() + kPadding, option.rect.top() + kPadding, kThumbnailSide,
                     kThumbnailSide);
    const QVariant decoration = index.data(Qt::DecorationRole);
    const QImage image = decoration.value<QImage>();
    if (!image.isNull()) {
        const QImage fitted = image.width() > kThumbnailSide || image.height() > kThumbnailSide
                                  ? image.scaled(area.size(), Qt::KeepAspectRatio,
                                                 Qt::SmoothTransformation)
                                  : image;
        QRect target(QPoint(), fitted.size());
        target.moveCenter(area.center());
        painter->drawImage(target, fitted);
    } else {
        paintPlaceholder(painter, area, decoration.isValid(), palette);
    }
    const bool checked = index.data(BrowseModel::CheckedRole).toBool();
    paintMark(painter, area, checked ? standingLabel(standing) : BrowseModel::tr("checking…"),
              checked ? markColour(standing) : QColor(0x9e, 0x9e, 0x9e));

    painter->setFont(option.font);
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int line = option.fontMetrics.height();
    const QRect nameLine(option.rect.left() + kPadding, area.bottom() + kPadding,
                         option.rect.width() - 2 * kPadding, line);
    painter->drawText(nameLine, Qt::AlignHCenter,
                      option.fontMetrics.elidedText(index.data().toString(), Qt::ElideMiddle,
                                                    nameLine.width()));
    // The time, or for a file left on the card why it is.
    const QString second = index.data(greyed ? BrowseModel::ReasonRole : BrowseModel::TakenRole)
                               .toString();
    painter->drawText(nameLine.translated(0, line), Qt::AlignHCenter,
                      option.fontMetrics.elidedText(second, Qt::ElideRight, nameLine.width()));
    painter->restore();
}

} // namespace kestrel
