#pragma once

#include <QList>
#include <QPalette>
#include <QProxyStyle>

// The program's look (Fusion) with one change: drawings that Fusion keeps in the pixmap cache get the same
// palette object for the same colours. Under an application style sheet every paint of a combo box, a
// spin box or a scroll bar comes with a fresh copy of its palette, and Fusion names its cached picture
// after that copy: each paint made a new cache entry, and the toolkit keeps the name of every entry it
// drops, so the cache grew all day. With one palette object per set of colours, equal paints find their
// picture again.
class PaletteSharingStyle : public QProxyStyle
{
public:
    // At most this many palettes are kept; beyond that the one unused for longest goes.
    static constexpr qsizetype kMaxPalettes = 64;

    // base: the style to draw with (owned); null for Fusion.
    explicit PaletteSharingStyle(QStyle *base = nullptr);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

    // The kept palette with these colours (taken into the list when new), in the colour group of palette.
    QPalette shared(const QPalette &palette) const;
    qsizetype keptPalettes() const { return m_palettes.size(); }

private:
    // Draws a copy of option, of exactly type Option, with the shared palette; false for another type.
    template<typename Option, typename Draw>
    bool drawShared(const QStyleOption *option, Draw draw) const;

    mutable QList<QPalette> m_palettes; // widgets paint in the GUI thread only
};
