#include "SubjectColumn.h"

namespace korvel {
namespace {

constexpr int kNameLimit = 20;
constexpr int kCodeLimit = 5;

}  // namespace

std::string_view columnCaption(SubjectColumn column)
{
    switch (column) {
    case SubjectColumn::Number:
        return "Nº";
    case SubjectColumn::Name:
        return "Sujeto";
    case SubjectColumn::Code:
        return "Cod.";
    case SubjectColumn::Time:
        return "Tiempo (mm:ss)";
    case SubjectColumn::PeriodsCompleted:
        return "Periodos complet.";
    case SubjectColumn::Distance:
        return "Distancia (m)";
    case SubjectColumn::MaxSpeed:
        return "Vel. Máx. (Km/h)";
    case SubjectColumn::Vo2Max:
        return "VO2max (ml/kg/min)";
    }
    return {};
}

int inputLimit(SubjectColumn column)
{
    switch (column) {
    case SubjectColumn::Name:
        return kNameLimit;
    case SubjectColumn::Code:
        return kCodeLimit;
    default:
        return 0;
    }
}

bool isEditable(SubjectColumn column)
{
    return inputLimit(column) > 0;
}

}  // namespace korvel
