// Least-squares fit of a port's harmonic constants to hourly heights (Eigen's Householder QR).
// Heights in cm; angles in degrees; the hourly heights are in JST.
#include "tools/fit/harmonic_fit.h"

#include <Eigen/Dense>
#include <cmath>

#include "engine/calendar.h"
#include "engine/constituents.h"

namespace marevo::fit {

HarmonicFit FitHarmonics(const Station& station, const JmaTable& table)
{
    const int rows = static_cast<int>(table.days.size()) * 24, cols = 1 + 2 * FitCount;
    // Kept from one port to the next on each thread: the same sizes every time.
    thread_local Eigen::MatrixXd design;
    thread_local Eigen::HouseholderQR<Eigen::MatrixXd> qr;
    design.resize(rows, cols);
    Eigen::VectorXd heights(rows);
    // The table's hours are JST; the program counts from 0 h of the port's zone time.
    const double zoneShiftHours = (station.StandardMeridian - 135.0) / 15.0;
    Calendar cal;
    ConstituentTables tables;
    // cos and sin of (sigma t + PhaseOffset) from those of the two terms: sigma t is the same
    // on every day, PhaseOffset the same for every hour of a day.
    double cosSpeed[24][FitCount], sinSpeed[24][FitCount];
    const JmaDay& first = table.days.front();
    SetFebruaryForYear(cal, first.year);
    PrepareConstituents(first.year, first.month, first.day, station, cal, tables);
    for (int hour = 0; hour < 24; ++hour)
        for (int i = 0; i < FitCount; ++i) {
            const double a = tables.ConstituentSpeed[i] * (hour + zoneShiftHours) * DegToRad;
            cosSpeed[hour][i] = std::cos(a);
            sinSpeed[hour][i] = std::sin(a);
        }
    int row = 0;
    for (const JmaDay& day : table.days) {
        SetFebruaryForYear(cal, day.year);
        PrepareConstituents(day.year, day.month, day.day, station, cal, tables);
        double cosOffset[FitCount], sinOffset[FitCount];
        for (int i = 0; i < FitCount; ++i) {
            cosOffset[i] = tables.NodalFactor[i] * std::cos(tables.PhaseOffset[i] * DegToRad);
            sinOffset[i] = tables.NodalFactor[i] * std::sin(tables.PhaseOffset[i] * DegToRad);
        }
        // The day's 24 rows, column by column (the matrix is stored by columns).
        for (int hour = 0; hour < 24; ++hour) {
            design(row + hour, 0) = 1.0;
            heights(row + hour) = day.hourlyCm[hour];
        }
        for (int i = 0; i < FitCount; ++i)
            for (int hour = 0; hour < 24; ++hour) {
                const double c = cosSpeed[hour][i], s = sinSpeed[hour][i];
                design(row + hour, 1 + 2 * i) = c * cosOffset[i] - s * sinOffset[i];
            }
        for (int i = 0; i < FitCount; ++i)
            for (int hour = 0; hour < 24; ++hour) {
                const double c = cosSpeed[hour][i], s = sinSpeed[hour][i];
                design(row + hour, 2 + 2 * i) = s * cosOffset[i] + c * sinOffset[i];
            }
        row += 24;
    }

    qr.compute(design);
    const Eigen::VectorXd x = qr.solve(heights);
    const Eigen::VectorXd residual = heights - design * x;

    HarmonicFit fit;
    fit.rows = rows;
    fit.residualRmsCm = std::sqrt(residual.squaredNorm() / rows);
    fit.residualMaxCm = residual.cwiseAbs().maxCoeff();
    fit.meanLevelCm = x(0);

    // Covariance of the unknowns: s^2 (R^T R)^-1, with s^2 the residual variance.
    const Eigen::MatrixXd r = qr.matrixQR().topRows(cols).triangularView<Eigen::Upper>();
    const Eigen::MatrixXd rInverse =
        r.triangularView<Eigen::Upper>().solve(Eigen::MatrixXd::Identity(cols, cols));
    const double variance = residual.squaredNorm() / (rows - cols);
    const Eigen::MatrixXd covariance = variance * rInverse * rInverse.transpose();

    for (int i = 0; i < FitCount; ++i) {
        const int c = 1 + 2 * i, s = c + 1;
        const double a = x(c), b = x(s), h = std::hypot(a, b);
        fit.amplitudeCm[i] = h;
        double kappa = std::atan2(b, a) * RadToDeg;
        if (kappa < 0) kappa += 360.0;
        fit.phaseLagDeg[i] = kappa;
        // Linearised: dH along (a, b)/H, d(kappa) across it, divided by H.
        const double caa = covariance(c, c), cbb = covariance(s, s), cab = covariance(c, s);
        if (h > 0) {
            fit.amplitudeErrorCm[i] = std::sqrt((a * a * caa + 2 * a * b * cab + b * b * cbb) / (h * h));
            fit.phaseErrorDeg[i] =
                std::sqrt((b * b * caa - 2 * a * b * cab + a * a * cbb) / (h * h)) / h * RadToDeg;
        } else {
            fit.amplitudeErrorCm[i] = std::sqrt(caa + cbb);
            fit.phaseErrorDeg[i] = 180.0;
        }
    }

    // Condition of the problem itself: columns scaled to unit length, so that it does not
    // depend on the size of the nodal factors or the units.
    const Eigen::VectorXd norms = design.colwise().norm();
    const Eigen::MatrixXd scaledR = r * norms.cwiseInverse().asDiagonal();
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(scaledR);
    const Eigen::VectorXd sv = svd.singularValues();
    fit.conditionNumber = sv(0) / sv(sv.size() - 1);
    return fit;
}

} // namespace marevo::fit
