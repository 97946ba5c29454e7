// Measuring the left column's metrics from the control font.
#include "qt/layout_metrics.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "qt/qt_text.h"
#include "texts/text_table.h"

std::vector<std::string> LongestRowLabels(const TextTable& texts) {
    return {texts(TextId::kLblRatio),         texts(TextId::kLblProfileShiftX1),
            texts(TextId::kLblBores),         texts(TextId::kLblTolerance),
            texts(TextId::kLblPressureAngle), texts(TextId::kLblHelixHand),
            texts(TextId::kLblZ1MinDiff),     texts(TextId::kLblAllowance)};
}

LayoutMetrics MeasureLayoutMetrics(const QFont& font, const std::vector<std::string>& labels) {
    const QFontMetricsF fm(font);
    LayoutMetrics m;
    m.fontH =
        static_cast<int>(std::lround(fm.size(Qt::TextSingleLine, QStringLiteral("Ag")).height()));
    if (m.fontH < 10) {
        m.fontH = 15;
    }
    m.rowH = m.fontH + 8;
    m.rowStep = m.rowH + 5;
    double widest = 0.0;
    for (const std::string& label : labels) {
        widest = std::max(widest, fm.horizontalAdvance(ToQString(label)));
    }
    m.labelW = static_cast<int>(std::ceil(widest)) + 22;
    m.fieldW = static_cast<int>(std::ceil(m.fontH / 15.0 * 150.0));
    m.halfW = (m.fieldW - 6) / 2;
    m.panelW = m.labelW + m.fieldW + 18;
    m.leftColumnW = m.panelW + 38;
    return m;
}

int ScaledColumnWidth(const LayoutMetrics& metrics, int referenceWidth) {
    return static_cast<int>(std::lround(referenceWidth * metrics.fontH / 15.0));
}

int ResultListHeight(const LayoutMetrics& metrics) {
    return (metrics.fontH + 10) * 6 + 10;
}
