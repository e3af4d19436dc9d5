#include "views/palettesharingstyle.h"

#include <QStyleFactory>
#include <QStyleOption>

PaletteSharingStyle::PaletteSharingStyle(QStyle *base)
    : QProxyStyle(base ? base : QStyleFactory::create(QStringLiteral("Fusion")))
{
}

QPalette PaletteSharingStyle::shared(const QPalette &palette) const
{
    // the list runs from the least to the most recently used: a palette in use is never the one dropped
    const qsizetype found = m_palettes.indexOf(palette);
    if (found >= 0) {
        m_palettes.move(found, m_palettes.size() - 1);
    } else {
        if (m_palettes.size() >= kMaxPalettes)
            m_palettes.removeFirst();
        m_palettes.append(palette);
    }
    // a copy keeps the cache key of the kept one; the colour group is the copy's own
    QPalette kept = m_palettes.constLast();
    kept.setCurrentColorGroup(palette.currentColorGroup());
    return kept;
}

template<typename Option, typename Draw>
bool PaletteSharingStyle::drawShared(const QStyleOption *option, Draw draw) const
{
    // a copy of another type would cut off what the drawing reads
    if (!option || option->type != Option::Type || option->version != Option::Version)
        return false;
    Option copy(*static_cast<const Option *>(option));
    copy.palette = shared(option->palette);
    draw(&copy);
    return true;
}

void PaletteSharingStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                             QPainter *painter, const QWidget *widget) const
{
    const auto draw = [&](const QStyleOptionComplex *shared) {
        QProxyStyle::drawComplexControl(control, shared, painter, widget);
    };
    if (drawShared<QStyleOptionComboBox>(option, draw) || drawShared<QStyleOptionSpinBox>(option, draw) ||
        drawShared<QStyleOptionSlider>(option, draw) || drawShared<QStyleOptionToolButton>(option, draw))
        return;
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void PaletteSharingStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                      const QWidget *widget) const
{
    const auto draw = [&](const QStyleOption *shared) {
        QProxyStyle::drawControl(element, shared, painter, widget);
    };
    // table headers: the packet log, the sets and the key assistant
    if (element == CE_HeaderSection &&
        (drawShared<QStyleOptionHeaderV2>(option, draw) || drawShared<QStyleOptionHeader>(option, draw)))
        return;
    QProxyStyle::drawControl(element, option, painter, widget);
}
