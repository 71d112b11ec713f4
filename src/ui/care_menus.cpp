#include "ui/care_menus.h"

#include "care/feeding.h"
#include "care/level_care.h"
#include "ui/look.h"

namespace nupel {

namespace {

// The feeding menu: a row per food, its price above its description on the
// left and its button on the right. A meal is never short: only the foods
// the cash covers are offered.
CareChoice food(PetState &state, RandomSource &random, Food kind, const QString &caption, int top)
{
    return {caption, twipsRect(2520, top, 1455, 615), foodCost(kind), [&state, &random, kind] {
                giveFood(state, random, kind);
                return CareOutcome::Applied;
            }};
}

CareMenuLine foodLine(const char *name, const QString &text, int top)
{
    return {name, text, twipsRect(120, top, 2295, 300)};
}

// The buttons of the doctor's menu and of the cleaning menu, cheapest first.
const std::pair<Treatment, QString> treatments[] = {{Treatment::Sanatorium, QStringLiteral("養生所へLet's Go!(500円)")},
                                                    {Treatment::Hospital, QStringLiteral("近所の病院へ行こう(1200円)")},
                                                    {Treatment::Ambulance, QStringLiteral("救急車だ!!(2500円)")}};
const std::pair<Cleaning, QString> cleanings[] = {
    {Cleaning::KnockOffTools, QStringLiteral("パチ物の道具を使う(500円)")},
    {Cleaning::ProperTools, QStringLiteral("専用の道具を使う(1000円)")},
    {Cleaning::Expert, QStringLiteral("専門家を呼ぶ(2000円)")}};

// The doctor's and the cleaning menu: a column of wide buttons at `left`,
// `width` twips wide, the cancel button last.
template <typename Service>
CareMenu levelMenu(PetState &state, const char *name, const QString &caption, QSize sizeTwips, int left, int width,
                   const std::pair<Service, QString> (&rows)[3], int (*costOf)(Service),
                   CareOutcome (*provide)(PetState &, Service))
{
    constexpr int tops[] = {120, 1080, 2040, 3000};
    CareMenu menu{name, caption, sizeTwips, {}, {}, twipsRect(left, tops[3], width, 855)};
    for (int row = 0; row < 3; ++row) {
        const Service kind = rows[row].first;
        menu.choices[row] = {rows[row].second, twipsRect(left, tops[row], width, 855), costOf(kind),
                             [&state, provide, kind] { return provide(state, kind); }};
    }
    return menu;
}

} // namespace

frmGiveEsa::frmGiveEsa(PetState &state, RandomSource &random, Platform &platform, QWidget *parent)
    : CareMenuDialog(state, platform,
                     {"frmGiveEsa",
                      feedCaption,
                      {4065, 3435},
                      {foodLine("Label2", QStringLiteral("わらわらＸ＞1000円"), 240),
                       foodLine("Label5", QStringLiteral("お徳用＞50kg"), 555),
                       foodLine("Label3", QStringLiteral("メルト＃＃＞1500円"), 1080),
                       foodLine("Label6", QStringLiteral("変化促進型＞30kg"), 1395),
                       foodLine("Label4", QStringLiteral("ＤＮＡ９９＞2500円"), 1920),
                       foodLine("Label7", QStringLiteral("超高級品＞20kg"), 2235)},
                      {food(state, random, Food::WarawaraX, QStringLiteral("わらわらＸ"), 240),
                       food(state, random, Food::Melt, QStringLiteral("メルト＃＃"), 1080),
                       food(state, random, Food::Dna99, QStringLiteral("ＤＮＡ９９"), 1920)},
                      twipsRect(120, 2760, 3855, 615)},
                     parent)
{
}

frmMedical::frmMedical(PetState &state, Platform &platform, QWidget *parent)
    : CareMenuDialog(
        state, platform,
        levelMenu(state, "frmMedical", doctorCaption, {5805, 3960}, 600, 4695, treatments, treatmentCost, treat),
        parent)
{
}

frmClean::frmClean(PetState &state, Platform &platform, QWidget *parent)
    : CareMenuDialog(
        state, platform,
        levelMenu(state, "frmClean", cleanCaption, {5700, 4215}, 240, 5175, cleanings, cleaningCost, clean), parent)
{
}

} // namespace nupel
