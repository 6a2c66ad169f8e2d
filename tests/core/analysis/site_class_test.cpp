// The class of a stimulus site from its entrainment measures.
#include "analysis/site_class.h"

#include <gtest/gtest.h>

#include <string>

namespace quorel {
namespace {

struct ClassCase {
    const char* name;
    bool entrained;
    bool concealed;
    double ppiMinusT;
    double sQrsMinusEgmQrs;
    double sQrsOverT;
    SiteClass expected;
};

class SiteClassification : public ::testing::TestWithParam<ClassCase> { };

TEST_P(SiteClassification, ReadsTheCriteriaInOrder)
{
    const ClassCase c = GetParam();
    TrainMeasures m;
    m.entrained = c.entrained;
    m.concealedFusion = c.concealed;
    m.ppiMinusT = c.ppiMinusT;
    m.sQrsMinusEgmQrs = c.sQrsMinusEgmQrs;
    m.sQrsOverT = c.sQrsOverT;
    EXPECT_EQ(classifySite(m), c.expected) << siteClassName(classifySite(m));
}

INSTANTIATE_TEST_SUITE_P(
    Criteria, SiteClassification,
    ::testing::Values(
        ClassCase{"NotEntrained", false, true, 0.0, 0.0, 0.2, SiteClass::NotEntrained},
        ClassCase{"Exit", true, true, 0.010, 0.005, 0.25, SiteClass::Exit},
        ClassCase{"ExitAtTheBand", true, true, 0.030, -0.020, 0.30, SiteClass::Exit},
        ClassCase{"Central", true, true, -0.010, 0.0, 0.40, SiteClass::CentralIsthmus},
        ClassCase{"Proximal", true, true, 0.0, 0.0, 0.65, SiteClass::ProximalIsthmus},
        ClassCase{"InnerLoop", true, true, 0.0, 0.0, 0.71, SiteClass::InnerLoop},
        ClassCase{"LongPpi", true, true, 0.031, 0.0, 0.40, SiteClass::AdjacentBystander},
        ClassCase{"SQrsLongerThanEgmQrs", true, true, 0.0, 0.021, 0.40, SiteClass::AdjacentBystander},
        ClassCase{"EgmQrsUnknown", true, true, 0.0, kNotMeasured, 0.40, SiteClass::AdjacentBystander},
        ClassCase{"OuterLoop", true, false, 0.030, 0.5, 0.9, SiteClass::OuterLoop},
        ClassCase{"RemoteBystander", true, false, 0.031, 0.0, 0.2, SiteClass::RemoteBystander}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorel
