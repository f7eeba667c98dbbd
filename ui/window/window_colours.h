#pragma once
// The named colours of the window's design (the classic sixteen-colour
// names), and the few colours of the table's drawing.
#include <QColor>

namespace pluvelle::ui {

inline const QColor kTeal{0, 128, 128};
inline const QColor kMaroon{128, 0, 0};
inline const QColor kOlive{128, 128, 0};
inline const QColor kBlue{0, 0, 255};
inline const QColor kFuchsia{255, 0, 255};
inline const QColor kNavy{0, 0, 128};
inline const QColor kPurple{128, 0, 128};
inline const QColor kRed{255, 0, 0};
inline const QColor kGreen{0, 128, 0};
inline const QColor kWhite{255, 255, 255};
inline const QColor kSilver{192, 192, 192};
inline const QColor kPaleGreen{192, 220, 192};  // behind the open file's name
inline const QColor kHintBackground{255, 255, 225};

// Table cells: odd rows a warm white, even rows a cool white, so long runs of
// five-minute records stay readable line by line.
inline const QColor kOddRow{255, 255, 244};
inline const QColor kEvenRow{247, 249, 255};
inline const QColor kGridLine{160, 160, 160};
inline const QColor kTitleGridLine{96, 96, 96};
// Suspect values: a translucent orange over the row colour, a red corner.
inline const QColor kSuspectTint{255, 140, 0, 90};
inline const QColor kSuspectMark{210, 40, 0};

} // namespace pluvelle::ui
