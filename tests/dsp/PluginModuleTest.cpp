#include "dsp/plugin_module.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
class UnitDesc : public zun::param::ParamDescInterface
{
protected:
    std::string do_get_name(int) const override { return "Unit"; }
    std::string do_get_unit(int) const override { return ""; }
    int do_get_range() const override { return 0; }
    int do_get_categ() const override { return 0; }
    int do_get_flags() const override { return 0; }
    double do_get_nat_min() const override { return 0.0; }
    double do_get_nat_max() const override { return 10.0; }
    std::string do_conv_nat_to_str(double, int) const override { return ""; }
    bool do_conv_str_to_nat(double&, const std::string&) const override { return false; }
    double do_conv_nrm_to_nat(double n) const override { return n * 10.0; }
    double do_conv_nat_to_nrm(double n) const override { return n / 10.0; }
    double do_conv_nat_to_modulated(double n, double m) const override { return n + m; }
};
} // namespace

TEST(Parameters, FirstRegistrationWins)
{
    UnitDesc desc;
    PluginModule module;
    EXPECT_FALSE(module.getParameters()->isInitialised());
    module.getParameters()->registerParameterDetails(5, {5, 2.0, &desc});
    cr::Value* v = module.createBaseControl(5, {5, 7.0, &desc});
    EXPECT_EQ(module.getParameters()->getDetails(5)->default_value, 2.0);
    EXPECT_EQ(v->value(), 2.0);
    EXPECT_EQ(module.getControls().at(5), v);
    EXPECT_TRUE(module.getParameters()->isInitialised());
    EXPECT_EQ(module.getParameters()->getDetails(6), nullptr);
    EXPECT_FALSE(module.getParameters()->isParameter(6));
}

TEST(PluginModule, ModControlsAppearInEveryModulationMap)
{
    UnitDesc desc;
    PluginModule module;
    module.createBaseControl(1, {1, 0.0, &desc});
    auto* mod = static_cast<cr::Value*>(module.createBaseModControl(2, {2, 1.0, &desc}));
    EXPECT_EQ(module.getModulationDestination(2), mod);
    EXPECT_EQ(module.getModulationDestination(1), nullptr);
    EXPECT_EQ(module.getModulations().at(2), mod->output(1));
    EXPECT_EQ(module.getMacroModulations().at(2), mod->output(2));
    EXPECT_EQ(module.getModulations().count(1), 0u);
    EXPECT_EQ(module.getModulationOutput(99), nullptr);
}

TEST(PluginModule, ActiveSetsMatchByIdsAndClearLeavesConnectionsAlone)
{
    PluginModule module;
    ModulationConnection a(15, 4), b(15, 4), c(89, 4);
    a.amount = 0.5;
    EXPECT_TRUE(module.connectModulation(&a));
    EXPECT_FALSE(module.connectModulation(&a));
    EXPECT_TRUE(module.isModulationActive(&b));
    EXPECT_FALSE(module.isModulationActive(&c));
    module.connectModulation(&c);
    module.clearModulations();
    EXPECT_TRUE(module.getActiveModulations().empty());
    EXPECT_EQ(a.source, 15);
    EXPECT_EQ(a.destination, 4);
    EXPECT_EQ(a.amount, 0.5);

    MacroConnection m(607, 4);
    module.connectMacro(&m);
    EXPECT_EQ(module.getActiveMacros().size(), 1u);
    module.disconnectMacro(&m);
    EXPECT_TRUE(module.getActiveMacros().empty());
}

TEST(ActiveConnectionSet, KeepsPointerOrderAndNeverGrowsPastCapacity)
{
    std::vector<ModulationConnection> pool(6, ModulationConnection(-1, -1));
    ActiveConnectionSet<ModulationConnection> set(4);
    const void* storage = nullptr;
    for (int i : {3, 0, 5, 1})
        EXPECT_TRUE(set.insert(&pool[size_t(i)]));
    storage = &*set.begin();
    EXPECT_FALSE(set.insert(&pool[2]));
    EXPECT_EQ(&*set.begin(), storage);
    std::vector<ModulationConnection*> seen(set.begin(), set.end());
    EXPECT_EQ(seen, (std::vector<ModulationConnection*>{&pool[0], &pool[1], &pool[3], &pool[5]}));
    EXPECT_TRUE(set.erase(&pool[1]));
    EXPECT_FALSE(set.erase(&pool[1]));
    EXPECT_TRUE(set.insert(&pool[2]));
    EXPECT_TRUE(set.contains(&pool[2]));
}

TEST(ModulationConnectionBank, HandsOutInFreeListOrderAndGrowsBy256)
{
    ModulationConnectionBank<ModulationConnection> bank;
    std::vector<ModulationConnection*> taken;
    for (int i = 0; i < 256; ++i)
        taken.push_back(bank.get(15, i));
    EXPECT_EQ(bank.getNumAll(), 256u);
    EXPECT_EQ(bank.getNumFree(), 0u);

    // Returned A then B: A comes back first, each only once.
    ModulationConnection* a = taken[10];
    ModulationConnection* b = taken[20];
    a->amount = 0.25;
    bank.giveBack(a);
    bank.giveBack(b);
    bank.giveBack(a);
    EXPECT_EQ(bank.getNumFree(), 2u);
    ModulationConnection* first = bank.get(89, 1);
    EXPECT_EQ(first, a);
    EXPECT_EQ(first->source, 89);
    EXPECT_EQ(first->amount, 0.25); // the taker sets the amount
    EXPECT_EQ(bank.get(89, 2), b);

    ModulationConnection* extra = bank.get(15, 300);
    EXPECT_EQ(bank.getNumAll(), 512u);
    EXPECT_EQ(bank.getNumFree(), 255u);
    EXPECT_EQ(extra->destination, 300);
    ModulationConnection stranger(1, 1);
    bank.giveBack(&stranger);
    EXPECT_EQ(bank.getNumFree(), 255u);
}

TEST(WavePath, CurvesTable)
{
    struct Case
    {
        int type;
        double lo, hi, x, expected;
    };
    const Case cases[] = {
        {WavePath::Type_LINEAR, 0, 1, 0.3, 0.3},
        {WavePath::Type_SQUARE, 0, 1, 0.5, 0.25},
        {WavePath::Type_CUBIC, 0, 1, 0.5, 0.125},
        {WavePath::Type_SQUARE_INV, 0, 1, 0.5, 0.75},
        {WavePath::Type_CUBIC_INV, 0, 1, 0.5, 0.875},
        {WavePath::Type_LINEAR, 0.2, 0.6, 0.4, 0.5},
        {WavePath::Type_CUBIC, 0.2, 0.6, 0.1, 0.0},
        {WavePath::Type_CUBIC, 0.2, 0.6, 0.7, 1.0},
        {7, 0, 1, 0.5, 0.0},
        // Degenerate range: a step at curve_min, no division by zero.
        {WavePath::Type_LINEAR, 0.5, 0.5, 0.49, 0.0},
        {WavePath::Type_LINEAR, 0.5, 0.5, 0.5, 1.0},
        {WavePath::Type_SQUARE_INV, 0.5, 0.5, 0.5, 1.0},
    };
    for (const auto& c : cases)
    {
        WavePath w;
        w.type = c.type;
        w.curve_min = c.lo;
        w.curve_max = c.hi;
        const double v = w.getValueAt(c.x);
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_NEAR(v, c.expected, 1e-6) << "type " << c.type << " x " << c.x;
    }
}
