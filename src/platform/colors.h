#pragma once
#include <QColor>

// The named colours the windows are described in, with the values of the classic Windows palette; the
// system colours are those of a current Windows desktop.
inline const QColor clBlack { 0, 0, 0 };
inline const QColor clMaroon { 128, 0, 0 };
inline const QColor clGreen { 0, 128, 0 };
inline const QColor clOlive { 128, 128, 0 };
inline const QColor clNavy { 0, 0, 128 };
inline const QColor clPurple { 128, 0, 128 };
inline const QColor clTeal { 0, 128, 128 };
inline const QColor clGray { 128, 128, 128 };
inline const QColor clSilver { 192, 192, 192 };
inline const QColor clRed { 255, 0, 0 };
inline const QColor clLime { 0, 255, 0 };
inline const QColor clYellow { 255, 255, 0 };
inline const QColor clBlue { 0, 0, 255 };
inline const QColor clFuchsia { 255, 0, 255 };
inline const QColor clAqua { 0, 255, 255 };
inline const QColor clWhite { 255, 255, 255 };
inline const QColor clMoneyGreen { 192, 220, 192 };
inline const QColor clSkyBlue { 166, 202, 240 };
inline const QColor clCream { 255, 251, 240 };
inline const QColor clMedGray { 160, 160, 164 };

inline const QColor clBtnFace { 240, 240, 240 };
inline const QColor clBtnText { 0, 0, 0 };
inline const QColor clBtnShadow { 160, 160, 160 };
inline const QColor clBtnHighlight { 255, 255, 255 };
inline const QColor cl3DDkShadow { 105, 105, 105 };
inline const QColor clWindow { 255, 255, 255 };
inline const QColor clWindowText { 0, 0, 0 };
inline const QColor clHighlight { 0, 120, 215 };
inline const QColor clHighlightText { 255, 255, 255 };
inline const QColor clGrayText { 109, 109, 109 };
inline const QColor clInfoBk { 255, 255, 225 };
inline const QColor clInfoText { 0, 0, 0 };
// The light blue of an active title bar's gradient end, fixed so that tables look alike on every desktop.
inline const QColor clGradientActiveCaption { 185, 209, 234 };
