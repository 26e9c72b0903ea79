#pragma once
// The converter of transformation runs: while it is on, every block the
// G-code interpreter executes is written again, transformed, as one or more
// lines of the output collector FOutEdit. Coordinates and centre words are
// rotated, mirrored and shifted, Z is clipped, feeds are replaced or scaled,
// plane words follow the rotation, and arcs are written as arcs or chords.
//
// Each line carries what a reader of the output needs to reproduce the
// transformed path: the converter keeps the position, move mode and plane
// that reader holds, and writes every word the block had that it does not
// transform.

#include "interpretation/block_converter.h"
#include "conversion/converter_settings.h"
#include "interpretation/interpreter_context.h"
#include "conversion/point_transform.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnix {

// The converter lends itself to the context's interpreters while it lives.
class GCodeConverter : public BlockConverter {
public:
    explicit GCodeConverter(InterpreterContext& context);
    ~GCodeConverter() override;
    GCodeConverter(const GCodeConverter&) = delete;
    GCodeConverter& operator=(const GCodeConverter&) = delete;

    InterpreterContext& context() { return context_; }
    // The transformation's settings, kept current by the panel.
    TTransformParams& params() { return params_; }
    const TTransformParams& params() const { return params_; }
    const TConverterState& state() const { return state_; }

    void startRun(bool transforming) override;
    bool converting() const override { return params_.gTransformOut; }
    // Reads the shift edits of checked boxes.
    // Throws ConversionError when one is not a number.
    void beginBlock() override;
    void writeBlock(const ConvertedBlock& block) override;

private:
    struct Words;
    struct Line {
        std::string text;
        int motion = -1;  // the move code the line leaves a reader in, -1 none
        int plane = 0;    // the plane code it leaves a reader in, 0 none
    };

    Words scan(std::string_view text) const;
    Line head(const Words& words, int motion, const std::string& motionText, bool moves, int addPlane) const;
    static void appendKeptTail(Line& line, const Words& words);
    std::string coordinates(const Vec3& target, const std::array<bool, 3>& force, bool all, Vec3& reader) const;
    std::string feedText(double feed) const;
    void writeLine(const Line& line);

    void writeUnread(const ConvertedBlock& block);
    void writePlain(const Words& words, const ConvertedBlock& block);
    void writeStraight(const Words& words, const ConvertedBlock& block, const PointTransform& transform);
    void writeArc(const Words& words, const ConvertedBlock& block, const PointTransform& transform);
    void writeChords(const Words& words, const ConvertedBlock& block, const PointTransform& transform);
    bool readerDrawsAlike(const ConvertedBlock& block, const PointTransform& transform, const Vec3& readerEnd,
                          const Vec3& centre, std::int32_t plane, std::int32_t mode) const;

    Vec3 readerPosition() const;
    void readerMovesTo(const Vec3& position);

    InterpreterContext& context_;
    TTransformParams params_;
    TConverterState state_;
    Vec3 shift_{};
    bool blockDelete_ = false;  // the block starts with "/": so does every line of it
};

}  // namespace tarnix
