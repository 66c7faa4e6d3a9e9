#pragma once

#include <string_view>

namespace korvel {

// The columns of the subjects table, by index. Time onwards are a row's result cells.
enum class SubjectColumn {
    Number = 0,            // "Nº": the row number, written when the row is made active
    Name = 1,              // "Sujeto": the subject's name, typed by the operator
    Code = 2,              // "Cod.": the subject's short code, typed by the operator
    Time = 3,              // "Tiempo (mm:ss)": test time at drop-out
    PeriodsCompleted = 4,  // "Periodos complet.": effort periods completed
    Distance = 5,          // "Distancia (m)": metres covered
    MaxSpeed = 6,          // "Vel. Máx. (Km/h)": speed reached
    Vo2Max = 7,            // "VO2max (ml/kg/min)": VO2max estimate, basketball edition only
};

constexpr SubjectColumn kFirstResultColumn = SubjectColumn::Time;
constexpr int kColumnsWithVo2Max = 8;
constexpr int kColumnsWithoutVo2Max = 7;

constexpr int columnIndex(SubjectColumn column)
{
    return static_cast<int>(column);
}

// The caption in the header row (UTF-8).
std::string_view columnCaption(SubjectColumn column);

// Longest input in characters for the columns the operator types into; 0 for the
// read-only columns.
int inputLimit(SubjectColumn column);

bool isEditable(SubjectColumn column);

}  // namespace korvel
