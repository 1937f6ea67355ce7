#pragma once
// The part of the semicircle experiment: the semicircle window, the list window, the index
// graph, the mean-error graph and the record file. It holds the experiment's settings and what
// the last rays measured, the rows and texts of the list window and what the two graphs are to
// draw; its windows show it and are told of every change.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/model/recordfile.h"
#include "semicircle/model/raymodes.h"
#include "semicircle/model/raytrace.h"
#include "shell/model/observer.h"
#include "shell/model/point.h"

// One row of the list window: the incidence, the refraction angle and the measured index, as
// the list shows them.
struct ListRow {
    std::string incidence, refraction, index;
    friend bool operator==(const ListRow&, const ListRow&) = default;
};

// What a row shows in place of a refraction angle and an index where the ray measured
// nothing. Where no refracted light reached the protractor both cells say so. Light totally
// reflected makes the row read "total reflection ολική ανάκλαση" across the two cells, the
// English in the refraction column and the Greek in the index column: the whole text is wider
// than a column.
inline constexpr std::string_view kNoRay = "no ray  καμία ακτίνα";
inline constexpr std::string_view kTotalReflection = "total reflection";
inline constexpr std::string_view kTotalReflectionGreek = "ολική ανάκλαση";

// The row of a ray sent alone (GIVE INCIDENCE ANGLE), every number to two decimals; a ray at 0
// or 180 degrees has no ratio of sines to take, and its index cell stays empty.
ListRow OneRayRow(const RayTrace& trace);
// The row of a ray of a sweep: the incidence as a plain number, the index to four decimals.
ListRow SweepRow(const RayTrace& trace);
// Whether a cell holds a measured number (not empty, not a dash, not the text of a ray that
// measured nothing).
bool HoldsValue(std::string_view cell);

// What the index graph draws: a point (incidence, index) for every row that holds both, read
// as single-precision numbers, and the mean error of those indices against n, where there is
// one.
struct IndexGraph {
    std::vector<Point> points;
    std::optional<double> meanError;
};
IndexGraph IndexGraphOf(const std::vector<ListRow>& rows, double n);

// A row as TRANSFER OF DATA hands it on: its incidence and refraction read as single-precision
// numbers, none where the cell holds no value.
struct TransferRow {
    std::optional<float> incidence, refraction;
};

// The angles of the half-disc's arc, as drawsemicircle gives them (radians, negative, so that
// the radius lines are drawn).
struct SemicircleArc {
    double arcStart = 0;
    float arcEnd = 0;
};

enum class ExperimentChange : std::uint8_t {
    Settings,    // the index, the radius, the centre, the tilt, h or the side of the curved face
    Measurement, // a ray was traced: its incidence and what it measured
    Rows,        // the list's rows: emptied, or one added
    ListLabels,  // the four settings texts of the list window
    ListPicture, // the list's picture: cleared, with the mean index of the last sweep if any
    IndexGraph,  // the index graph: cleared, or to be drawn from the rows
    MeanError,   // the mean error against the radius, to be drawn for the present settings
    Transfer,    // TRANSFER OF DATA: the rows are handed to the data window
};

class Experiment {
public:
    Observable<ExperimentChange> changed;

    // The settings, as the semicircle window's scroll bars give them: the index n, the radius R,
    // the centre of the flat face, its tilt, h, and the side of the curved face.
    double indexN() const { return indexN_; }
    double radiusR() const { return radiusR_; }
    double xc() const { return xc_; }
    double yc() const { return yc_; }
    double tiltDeg() const { return tiltDeg_; }
    double tilt() const; // radians
    double rayH() const { return rayH_; }
    int semiDirection() const { return semiDirection_; }
    // The glass and the ray as the tracer reads them.
    Semicircle semicircle() const;

    void setIndex(double n);
    void setRadius(double R);
    void setGeometry(double R, double xc, double yc, double tiltDeg);
    void setRayH(double h);
    void setDirection(int semiDirection);
    // h, the tilt and the centre back to 0 (the start-up, erase).
    void centre();
    // As the main menu opens the experiment: the radius kept, the index 1.5, centred.
    void open(double R);

    // The last ray traced: its incidence, and its refraction angle and index where it measured
    // them (where not, those keep an earlier ray's values and say they are not this ray's).
    double incidenceDeg() const { return incidenceDeg_; }
    double incidence() const; // radians
    double refrAngle() const { return refrAngle_; }
    double measuredIndex() const { return measuredIndex_; }
    bool refrAngleMeasured() const { return refrAngleMeasured_; }
    bool indexMeasured() const { return indexMeasured_; }

    // Traces a ray at alphaDeg degrees and keeps what it measured.
    RayTrace trace(double alphaDeg);
    // The opening picture's ray, at the last incidence; keeps what it measured.
    RayScene rayScene();
    // The critical angle in degrees, searched with the present settings.
    std::optional<double> criticalAngle() const;
    // The arc for the present tilt; each angle keeps its last value where the rule gives none.
    SemicircleArc takeArc();
    double arcStart() const { return arc_.arcStart; }
    float arcEnd() const { return arc_.arcEnd; }

    // Free rays: the last one traced, and where the mouse marked one.
    const FreeRay& freeRay() const { return freeRay_; }
    float mouseDownX() const { return mouseDownX_; }
    float mouseDownY() const { return mouseDownY_; }
    std::vector<Point> traceFreeRay(const FreeRay& ray);
    // The 46 rays of a fan from (X, Y); the incidence is left at the last one's direction.
    std::vector<std::vector<Point>> rayFan(float X, float Y);
    std::vector<FreeRay> parallelBeam(bool fromLeft) const;
    void pressMouse(float x, float y);
    void releaseMouse(float x, float y);

    // The list window's rows, its four settings texts, and the mean index its picture shows.
    const std::vector<ListRow>& rows() const { return rows_; }
    void clearRows();
    void addRow(ListRow row);
    const std::array<std::string, 4>& listLabels() const { return listLabels_; }
    void setListLabel(int which, std::string text);
    // All four texts: each caption followed by its setting, h, the tilt in degrees, xc, yc.
    void showSettings(const std::array<std::string_view, 4>& captions);
    const std::optional<std::string>& meanIndexText() const { return meanIndexText_; }
    void clearListPicture();

    // A sweep: the list emptied, one row per ray, the settings under it, the mean index of the
    // rays that measured one printed after meanCaption, and the index graph drawn. Returns the
    // rays traced.
    std::vector<RayTrace> sweep(std::span<const double> anglesDeg, std::string_view meanCaption);

    // The index graph of the rows: drawn, or cleared.
    bool indexGraphDrawn() const { return indexGraphDrawn_; }
    IndexGraph indexGraph() const { return IndexGraphOf(rows_, indexN_); }
    void clearIndexGraph();
    void drawIndexGraph();

    // BEST SEMICIRCLE: the mean error against the radius for the present settings.
    std::vector<ErrorPoint> meanErrorCurve() const { return MeanErrorCurve(semicircle()); }
    void bestSemicircle();

    // TRANSFER OF DATA: the rows as the data window is to take them.
    std::vector<TransferRow> transferRows() const;
    void transferOfData();

    // The record file for the glass of the present settings.
    RecordFileResult
    fylakise(const std::filesystem::path& file = RecordFileInWorkingFolder()) const;

private:
    void keep(const RayTrace& trace, double alphaDeg);

    double indexN_ = 1.5, radiusR_ = 100, xc_ = 0, yc_ = 0, tiltDeg_ = 0, rayH_ = 0;
    int semiDirection_ = 1;
    double incidenceDeg_ = 0, refrAngle_ = 0, measuredIndex_ = 0;
    bool refrAngleMeasured_ = false, indexMeasured_ = false;
    SemicircleArc arc_;
    FreeRay freeRay_{};
    float mouseDownX_ = 0, mouseDownY_ = 0;
    std::vector<ListRow> rows_;
    std::array<std::string, 4> listLabels_;
    std::optional<std::string> meanIndexText_;
    bool indexGraphDrawn_ = false;
};
