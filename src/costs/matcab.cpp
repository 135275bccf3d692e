#include "costs/matcab.h"

#include "model/costs/cabcosts.h"
#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "platform/controls.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "ui/boxes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <utility>

namespace vesk {

namespace {

constexpr int kPerFootCode = 20;  // per ft | per m
constexpr int kSizeCode = 5;      // in | cm
constexpr int kWeightCode = 9;    // lb | kg
constexpr int kLengthCode = 11;   // ft | m
constexpr int kWorkCode = 12;     // ft-lb | J
constexpr int kVolumeCode = 15;   // ft³ | m³

constexpr const char* kSeeTransport = "(see Transport tab)";

QString u(int code) { return qs(UnitLabel(code)); }

QString money(double v) { return qs(FormatPattern(v, "0.00")); }

void putMoney(NumBox* box, double v) { box->put(money(v), v); }

// A cost per ft: "0.00" in either unit system.
void putCostPerFoot(NumBox* box, double v) { PutValue(box, v, FmtVal(v, kPerFootCode, "0.00", "0.00")); }

}  // namespace

MatCab::MatCab(QWidget* parent)
    : CostFrame(parent, {.name = "MatCab",
                         .caption = "Costs and Material Handling - ",
                         .helpContext = kHelpContext,
                         .modelSizes = true})
{
    // "Cost Models": the cable, resin, plate and mat costs; shipping, loading
    // and unloading per package.
    QGridLayout* g = gridHolding(boxNamed("TxCost"));
    QWidget* p = g->parentWidget();
    txResinCost_ = boxRow(p, g, "TxResinCost", QString());
    txPlateCost_ = boxRow(p, g, "TxPlateCost", "Plate cost, $");
    txMatCost_ = boxRow(p, g, "TxMatCost", QString());
    setRows(g, {boxNamed("TxCost"), txResinCost_, txPlateCost_, txMatCost_, boxNamed("TxFabr"), boxNamed("TxShip"),
                findChild<QLabel*>("LbMatCost")});
    g->addWidget(MakeLabel(p, "LbSeeTransport", kSeeTransport), 5, 2);

    g = gridHolding(boxNamed("TxTripCost"));
    p = g->parentWidget();
    lbPcs_ = panelRow(p, g, "LbPcs", "No. supports/package");
    setRows(g, {boxNamed("TxTripCost"), boxNamed("TxLoadCost"), boxNamed("TxUnloadCost"), lbPcs_,
                findChild<QLabel*>("LbTripCost")});
    g->addWidget(MakeLabel(p, "LbSeeTransport1", kSeeTransport), 3, 2);

    // "Construction": the drilling time after the installation time.
    g = gridHolding(boxNamed("TxTime"));
    txDrillTime_ = boxRow(g->parentWidget(), g, "TxDrillTime", QString());
    setRows(g, {boxNamed("TxTime"), txDrillTime_, boxNamed("TxFixTime"), boxNamed("TxShift"),
                findChild<QLabel*>("LbTotTime"), findChild<QLabel*>("LbRate")});

    // "Transport": the package and the volumes per package.
    findChild<QGroupBox*>("FrameTransport")->setTitle("Material Transport  Model");
    QGridLayout* primary = frameRow(volumeGrid(), "FramePrimary", "Primary support materials");
    p = primary->parentWidget();
    txPcs_ = boxRow(p, primary, "TxPcs", "No. supports/package");
    txBwid_ = boxRow(p, primary, "TxBwid", QString());
    txBlen_ = boxRow(p, primary, "TxBlen", QString());
    QGridLayout* secondary = frameRow(volumeGrid(), "FrameSecondary", "Secondary support materials");
    p = secondary->parentWidget();
    resinVol_.box = boxRow(p, secondary, "TxSwid", QString());
    plateVol_.box = boxRow(p, secondary, "TxPlateVol", QString());
    matVol_.box = boxRow(p, secondary, "TxMatVol", QString());
    for (VolumeBox* v : {&resinVol_, &plateVol_, &matVol_})
        connect(v->box, &QLineEdit::textEdited, this, [v] { v->edited = true; });
    g = gridHolding(boxNamed("TxCars"));
    lbPkgCar_ = panelRow(g->parentWidget(), g, "LbPkgCar", "No. packages/car");
    setRows(g, {lbPkgCar_, findChild<QLabel*>("LbPerCar"), boxNamed("TxCars"), findChild<QLabel*>("LbPerTrip")});

    // "Work": cable, plate and mat weights and the drilling work; no fixed
    // pieces, fixed weight or secondary weight.
    g = gridHolding(boxNamed("TxWt"));
    p = g->parentWidget();
    txPlateWt_ = boxRow(p, g, "TxPlateWt", QString());
    txMatWt_ = boxRow(p, g, "TxMatWt", QString());
    txDrillWork_ = boxRow(p, g, "TxDrillWork", QString());
    setRows(g, {boxNamed("TxWt"), txPlateWt_, txMatWt_, txDrillWork_, findChild<QLabel*>("LbNoPiece"),
                findChild<QLabel*>("LbTotWt"), findChild<QLabel*>("LbTotWork")});

    lbSuppVol_ = findChild<QLabel*>("LbSuppVol");
    load();
    addCostNote();

    // The captions by their own names.
    nameLabels({
        {"TxCost", "LbCost"},        {"TxResinCost", "Label22"}, {"TxMatCost", "LbMat"},
        {"TxTime", "LbTime"},        {"TxDrillTime", "Label43"}, {"TxLen", "Label27"},
        {"TxWid", "Label31"},        {"TxHt", "Label23"},        {"TxWt", "LbWt"},
        {"TxPlateWt", "LbPlateWt"},  {"TxMatWt", "LbMatWt"},     {"TxDrillWork", "Label7"},
        {"LbTotWt", "Label54"},      {"LbTotWork", "Label45"},   {"TxBwid", "Label21"},
        {"TxBlen", "Label37"},       {"TxSwid", "Label35"},      {"TxPlateVol", "LbPlateVol"},
        {"TxMatVol", "LbMatVol"},    {"LbSuppVol", "Label25"},   {"LbVol", "Label32"},
        {"LbSumWtUnit", "Label68"},  {"LbSumWorkUnit", "Label70"},
    });
}

NumBox* MatCab::boxNamed(const char* name) const { return findChild<NumBox*>(name); }

int MatCab::unitCostCode() const { return kPerFootCode; }

int MatCab::unitWeightCode() const { return kWeightCode; }

int MatCab::timeCode() const { return kPerFootCode; }

bool MatCab::weightPerHeight() const { return true; }

void MatCab::setMemberCaptions()
{
    const QString perFt = "/" + u(kLengthCode);
    const std::pair<const char*, QString> captions[] = {
        {"TxCost", "Cable cost, $" + perFt + " of length"},
        {"TxResinCost", "Resin cost, $" + perFt},
        {"TxMatCost", "Mat cost, $" + perFt},
        {"TxFabr", "Fabrication cost, $/support"},
        {"TxShip", "Shipping cost, $/package"},
        {"TxLoadCost", "Loading cost, $/package"},
        {"TxUnloadCost", "Unloading cost, $/package"},
        {"TxTime", "Installation time, min" + perFt},
        {"TxDrillTime", "Drilling time, min" + perFt},
        {"TxWt", UnitCaption("Cable weight", kWeightCode) + perFt},
        {"TxPlateWt", UnitCaption("Plate weight", kWeightCode)},
        {"TxMatWt", UnitCaption("Mat weight", kWeightCode) + perFt},
        {"TxDrillWork", UnitCaption("Drilling work", kWorkCode) + perFt + " of hole"},
        {"TxBwid", UnitCaption("Package width", kSizeCode)},
        {"TxBlen", UnitCaption("Package height", kSizeCode)},
        {"TxSwid", UnitCaption("Resin volume/pkg", kVolumeCode) + perFt},
        {"TxPlateVol", UnitCaption("Plate volume/pkg", kVolumeCode)},
        {"TxMatVol", UnitCaption("Mat volume/pkg", kVolumeCode) + perFt},
        {"LbSuppVol", UnitCaption("Package transport volume", kVolumeCode)},
    };
    for (const auto& [control, text] : captions)
        caption(control)->setText(text);
}

void MatCab::showRow(QWidget* control, bool shown)
{
    control->setVisible(shown);
    caption(control->objectName())->setVisible(shown);
}

void MatCab::fillMemberBoxes()
{
    const CaseRec& c = G.CurCase;
    const auto k = static_cast<std::size_t>(element());
    const float n = c.CabPerPkg()[k];
    PutValue(txPcs_, n, PlainNumber(n));
    PutMetric(txBwid_, c.PkgWid[k], kSizeCode);
    PutMetric(txBlen_, c.PkgLen[k], kSizeCode);
    showRow(matVol_.box, CabFieldsOf(c).mat);
    showVolumes(false);
}

void MatCab::showVolumes(bool keepEdited)
{
    const CaseRec& c = G.CurCase;
    const auto k = static_cast<std::size_t>(element());
    const CabFields f = CabFieldsOf(c);
    const int n = c.CabPerPkg()[k];
    const auto show = [&](VolumeBox& v, float perSupport, bool perFoot) {
        if (keepEdited && v.edited)
            return;
        const double perPackage = CabPerPackage(perSupport, n);
        if (perFoot)
            PutPerFoot(v.box, perPackage, kVolumeCode);
        else
            PutMetric(v.box, perPackage, kVolumeCode);
        v.edited = false;
    };
    show(resinVol_, (c.*f.resinVol)[k], true);
    show(plateVol_, (c.*f.plateVol)[k], false);
    show(matVol_, c.CabMatVol[k], true);
    lbPcs_->setText(qs(PlainNumber(static_cast<float>(n))));
    shownPerPkg_ = n;
}

void MatCab::fillMemberGroup(int tab)
{
    const CaseRec& c = G.CurCase;
    const auto k = static_cast<std::size_t>(element());
    const CabFields f = CabFieldsOf(c);
    switch (tab) {
    case kCostModelsTab:
        putCostPerFoot(txResinCost_, (c.*f.resinCost)[k]);
        putMoney(txPlateCost_, (c.*f.plateCost)[k]);
        putCostPerFoot(txMatCost_, c.CabMatCost()[k]);
        showRow(txMatCost_, f.mat);
        break;
    case kConstructionTab:
        PutMetric(txDrillTime_, (c.*f.drillTime)[k], kPerFootCode);
        break;
    case kWorkTab:
        PutMetric(txPlateWt_, (c.*f.plateWt)[k], kWeightCode);
        PutPerFoot(txMatWt_, c.CabMatWt()[k], kWeightCode);
        PutPerFoot(txDrillWork_, c.CabDrillWork()[k], kWorkCode);
        showRow(txMatWt_, f.mat);
        break;
    default:
        break;
    }
}

std::vector<MemberCostBox> MatCab::memberBoxes() const
{
    CabCostInputs in;
    in.resinCost = ReadBox(txResinCost_, kPerFootCode);
    in.plateCost = ReadBox(txPlateCost_, 0);
    in.matCost = ReadBox(txMatCost_, kPerFootCode);
    in.drillTime = ReadBox(txDrillTime_, kPerFootCode);
    in.pkgWid = ReadBox(txBwid_, kSizeCode);
    in.pkgLen = ReadBox(txBlen_, kSizeCode);
    in.perPkg = ReadBox(txPcs_, 0);
    if (plateVol_.edited)
        in.plateVol = ReadBox(plateVol_.box, kVolumeCode);
    if (matVol_.edited)
        in.matVol = ReadPerFoot(matVol_.box, kVolumeCode);
    if (resinVol_.edited)
        in.resinVol = ReadPerFoot(resinVol_.box, kVolumeCode);
    in.matWt = ReadPerFoot(txMatWt_, kWeightCode);
    in.plateWt = ReadBox(txPlateWt_, kWeightCode);
    in.drillWork = ReadPerFoot(txDrillWork_, kWorkCode);
    return CabCostBoxes(G.CurCase, in);
}

std::vector<SizeF CaseRec::*> MatCab::memberTransportFields() const { return {}; }

CostQuantities MatCab::quantities() const { return CabCostQuantities(G.CurCase, element()); }

CostRules MatCab::rules() const { return CabCostRules(); }

CostReadOrder MatCab::readOrder() const { return CabReadOrder(G.CurCase); }

void MatCab::afterRead(const CostReadResult& read, const std::vector<MemberCostBox>& boxes)
{
    // A typed volume that was taken counts as edited no longer; one that was
    // refused is read again until a good value is taken.
    for (auto [v, name] : {std::pair(&resinVol_, "TxSwid"), std::pair(&plateVol_, "TxPlateVol"),
                           std::pair(&matVol_, "TxMatVol")})
        if (v->edited && MemberBoxTaken(read, boxes, name))
            v->edited = false;
    if (G.CurCase.CabPerPkg()[static_cast<std::size_t>(element())] != shownPerPkg_)
        showVolumes(true);
}

void MatCab::showMemberResults(const CostResults&)
{
    const CaseRec& c = G.CurCase;
    const int k = element();
    lbSuppVol_->setText(qs(FormatMetric(CabPackageVolume(c, k), kVolumeCode)));
    lbPkgCar_->setText(qs(FormatPattern(CabPackagesPerCar(c, k), "0")));
}

void MatCab::restoreDefaults(int index)
{
    const auto caseNo = static_cast<std::size_t>(std::clamp<int>(G.CurCaseNo, 0, kMaxCases));
    CabResetDefaults(G.CurCase, G.DefCases[caseNo], element(), index);
}

}  // namespace vesk
