#pragma once

#include <QProxyStyle>

// The platform's own style, with one difference nobody sees: the icon of the menu bar's
// extension button, which that button shows only when the menus do not fit the bar, is read
// the first time it is drawn instead of when the bar is built. Reading it at once would decode
// its three images with the image library and walk every resource tree on the way to the first
// paint. Set it as the application's style before anything asks for the style.
class ApplicationStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
