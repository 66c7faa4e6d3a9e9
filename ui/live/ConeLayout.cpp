#include "ConeLayout.h"

#include <array>
#include <span>

namespace korvel {
namespace {

constexpr std::array<QPoint, 12> kBasketCones{{
    {264, 236}, {264, 117}, {190, 38}, {158, 117}, {125, 38}, {53, 117},
    {53, 236}, {53, 356}, {126, 435}, {158, 356}, {189, 435}, {264, 356},
}};

constexpr std::array<QPoint, 14> kFootballCones{{
    {249, 240}, {207, 168}, {248, 98}, {207, 26}, {126, 27}, {85, 98}, {125, 169},
    {85, 240}, {125, 310}, {85, 381}, {125, 452}, {207, 453}, {248, 382}, {207, 311},
}};

constexpr std::array<QPoint, 14> kFutSalCones{{
    {275, 238}, {207, 193}, {274, 147}, {206, 87}, {114, 87}, {48, 147}, {114, 191},
    {48, 238}, {114, 281}, {48, 329}, {114, 391}, {206, 391}, {274, 330}, {207, 282},
}};

constexpr std::array<QPoint, 12> kVoleyCones{{
    {264, 448}, {264, 310}, {206, 239}, {264, 167}, {264, 28}, {134, 63},
    {53, 28}, {53, 167}, {111, 239}, {53, 310}, {53, 448}, {184, 414},
}};

std::span<const QPoint> topLeftsOf(Court court)
{
    switch (court) {
    case Court::Basket:
        return kBasketCones;
    case Court::Football:
        return kFootballCones;
    case Court::FutSal:
        return kFutSalCones;
    case Court::Voley:
        return kVoleyCones;
    }
    return {};
}

int coneSize(Court court)
{
    switch (court) {
    case Court::Basket:
        return 14;
    case Court::Football:
        return 9;
    case Court::FutSal:
    case Court::Voley:
        return 12;
    }
    return 0;
}

}  // namespace

int coneCount(Court court)
{
    return static_cast<int>(topLeftsOf(court).size());
}

QRect coneRect(Court court, int cone)
{
    const int size = coneSize(court);
    return {topLeftsOf(court)[static_cast<std::size_t>(cone)], QSize(size, size)};
}

QString courtPanelName(Court court)
{
    switch (court) {
    case Court::Basket:
        return QStringLiteral("Panel_Basket");
    case Court::Football:
        return QStringLiteral("Panel_Futbol");
    case Court::FutSal:
        return QStringLiteral("Panel_FutSal");
    case Court::Voley:
        return QStringLiteral("Panel_Voley");
    }
    return {};
}

QString courtPictureStem(Court court)
{
    switch (court) {
    case Court::Basket:
        return QStringLiteral("ImageBasket");
    case Court::Football:
        return QStringLiteral("ImageFutbol");
    case Court::FutSal:
        return QStringLiteral("ImageFutSal");
    case Court::Voley:
        return QStringLiteral("ImageVoley");
    }
    return {};
}

QString restMarkerName(Court court)
{
    switch (court) {
    case Court::Basket:
        return QStringLiteral("ShapeDescansoB");
    case Court::Football:
        return QStringLiteral("ShapeDescansoF");
    case Court::FutSal:
        return QStringLiteral("ShapeDescansoFS");
    case Court::Voley:
        return QStringLiteral("ShapeDescansoV");
    }
    return {};
}

}  // namespace korvel
