// The data block of one external gear: main dimensions, tooth thicknesses, bore, keyway
// and hub, the inspection dimensions and the verdicts drawn from the gear's flags.
#include <cmath>
#include <numbers>
#include <string>

#include "app/format.h"
#include "geometry/involute.h"
#include "hub/keyway.h"
#include "report/report.h"
#include "texts/text_table.h"

namespace {

double Degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

}  // namespace

std::string GearDataBlock(const GearData& gear, const std::string& title, const TextTable& texts) {
    std::string out;
    auto line = [&out](const std::string& text) {
        out += text;
        out += "\r\n";
    };
    auto F = [](double v, int decimals) { return FormatFixed(v, decimals); };
    // The spur forms are used only for a helix angle of exactly zero.
    const bool helical = gear.beta > 0.0;

    line(title);
    if (helical) {
        line(Fill(texts(TextId::kRepHelicalModule),
                  {FormatInteger(gear.z), FormatModule(gear.mn), F(gear.mt, 4)}));
        line(Fill(texts(TextId::kRepHelix),
                  {F(Degrees(gear.beta), 3), HandText(texts, gear.hand), F(Degrees(gear.betaB), 3),
                   F(Degrees(gear.alphaT), 3)}));
    } else {
        line(Fill(texts(TextId::kRepSpurModule), {FormatInteger(gear.z), FormatModule(gear.mn)}));
    }
    line(Fill(texts(TextId::kRepShift), {F(gear.x, 4), F(gear.xMin, 3)}));
    line(Fill(texts(TextId::kRepPitchCircle), {F(2.0 * gear.r, 3)}));
    line(Fill(texts(TextId::kRepTipCircle), {F(2.0 * gear.ra, 3)}));
    line(Fill(texts(TextId::kRepRootCircle), {F(2.0 * gear.rf, 3)}));
    line(Fill(texts(TextId::kRepBaseCircle), {F(2.0 * gear.rb, 3)}));
    if (helical) {
        line(Fill(texts(TextId::kRepThicknessTransverse), {F(gear.st, 3)}));
        // One full turn of a tooth along the axis: the lead the hobbing machine is set to.
        line(Fill(texts(TextId::kRepLead),
                  {F(2.0 * std::numbers::pi * gear.r / std::tan(gear.beta), 2)}));
    } else {
        line(Fill(texts(TextId::kRepThickness), {F(gear.st, 3)}));
    }
    if (gear.As != 0.0) {
        line(Fill(texts(TextId::kRepAllowance), {F(gear.As, 4), F(gear.xE, 4)}));
    }
    line(Fill(texts(TextId::kRepTipThickness), {F(gear.sa, 3)}));
    line(Fill(texts(TextId::kRepWidthBore), {F(gear.b, 2), F(gear.bore, 2)}));
    out += KeywayReportLines(gear, texts);

    line(texts(TextId::kRepInspection));
    line(Fill(texts(TextId::kRepSpan), {F(gear.Wk, 3), FormatInteger(gear.kSpan)}));
    // The caliper must touch the flanks on the involute, between root form and tip circle.
    if (gear.ra < gear.rWk || gear.rFf > gear.rWk) {
        line(texts(TextId::kRepSpanOffInvolute));
    }
    // On a helical gear the caliper jaws need Wk sin(beta b) of face width plus a margin.
    if (helical && gear.bMinWk + 2.0 > gear.b) {
        line(Fill(texts(TextId::kRepSpanTooWide), {F(gear.bMinWk + 2.0, 1)}));
    }
    const bool evenTeeth = gear.z % 2 == 0;
    TextId ballLine = TextId::kRepOverBallsOdd;
    if (evenTeeth) {
        ballLine = helical ? TextId::kRepOverBalls : TextId::kRepOverPins;
    }
    line(Fill(texts(ballLine), {F(gear.Mball, 3), F(gear.dBall, 2)}));
    if (gear.ballProtrudes == 0) {
        line(texts(TextId::kRepPinInsideTip));
    }
    if (gear.ra < gear.rBallContact || gear.rFf > gear.rBallContact) {
        line(texts(TextId::kRepPinOffInvolute));
    }

    if (gear.undercut == 1) {
        line(texts(TextId::kRepUndercut));
    }
    // A pointed tooth has no tip land at all; the thin-tip verdict would only repeat it.
    if (gear.pointed == 1) {
        line(texts(TextId::kRepPointed));
    } else if (gear.sa < 0.25 * gear.mn) {
        line(texts(TextId::kRepTipTooThin));
    }
    if (gear.bore > 0.0 && 2.0 * gear.rf <= gear.bore) {
        line(texts(TextId::kRepBoreTooLarge));
    }
    if (gear.valid == 0) {
        line(texts(TextId::kRepInvalidGeometry));
    }
    return out;
}
