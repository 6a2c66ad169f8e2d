// quorel-cli report: the printed report of a set as a PDF, read back with pdftotext.
#include "cli_test_support.h"

#include <algorithm>

namespace quorel::cli {
namespace {

using namespace testing;

std::string pdfText(const ScratchFolder& folder, const std::string& pdf)
{
    const std::string text = folder.file("report.txt");
    const std::string command = "pdftotext -layout " + shellQuoted(pdf) + " " + shellQuoted(text);
    EXPECT_EQ(std::system(command.c_str()), 0);
    return readBytes(text);
}

int pageCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
}

TEST(ReportCommand, WritesEveryChosenSectionOfTheLoadedSet)
{
    ScratchFolder folder;
    const std::string pdf = folder.file("delay-path.pdf");
    const CliResult all = runExecutable(folder, {"report", examplePath("delay-path.cir"), "-o", pdf});
    ASSERT_EQ(all.code, kExitDone) << all.err;
    const std::string text = pdfText(folder, pdf);
    EXPECT_TRUE(contains(all.out, std::to_string(pageCount(text)) + " pages")) << all.out;
    for (const char* part :
         {"<< Description of the circuit >>", "site32 is at the QRS onset 2.0000cm from site1",
          "<< Parameters >>", "( QRS )", "<< Remarks >>", "U7= 0.097", "<<single>>",
          "capture at coupling interval", "delay-path.cir ["})
        EXPECT_TRUE(contains(text, part)) << part;

    const CliResult ecg =
        runExecutable(folder, {"report", examplePath("delay-path.cir"), "-o", pdf, "--sections", "ecg"});
    ASSERT_EQ(ecg.code, kExitDone) << ecg.err;
    EXPECT_EQ(ecg.out, pdf + ": 1 page\n");
    EXPECT_EQ(pageCount(pdfText(folder, pdf)), 1);
}

TEST(ReportCommand, RefusesWhatItCannotDo)
{
    ScratchFolder folder;
    const std::string circuit = examplePath("default.cir");
    const struct {
        std::vector<std::string> args;
        const char* inErr;
    } cases[] = {
        {{"report", circuit}, "report needs -o OUT.pdf"},
        {{"report", "-o", folder.file("a.pdf")}, "report needs a circuit file"},
        {{"report", circuit, "-o", folder.file("a.pdf"), "--sections", "ecg,memo"},
         "--sections takes description, parameters, remarks, result and ecg, not 'memo'"},
        {{"report", circuit, "-o", folder.file("no/such/folder/a.pdf")}, "Cannot write ["},
        {{"report", folder.file("none.cir"), "-o", folder.file("a.pdf")}, "doesn't exist"},
    };
    for (const auto& c : cases) {
        const CliResult r = runExecutable(folder, c.args);
        EXPECT_EQ(r.code, kExitUsage) << c.inErr;
        EXPECT_TRUE(contains(r.err, c.inErr)) << r.err;
    }
    EXPECT_FALSE(fileExists(folder.file("a.pdf")));
}

}  // namespace
}  // namespace quorel::cli
