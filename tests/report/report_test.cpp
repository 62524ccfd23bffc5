#include <gtest/gtest.h>

#include "report/report.h"

using qelvorn::Report;

TEST(ReportLineModel, TabPastTheStopStartsANewLine) {
    Report r;
    r.spc(5).text("ABCDEFGHIJ").tab(10).text("X").endl();
    EXPECT_EQ(r.contents(), "     ABCDEFGHIJ\r\n         X\r\n");
}

TEST(ReportLineModel, TabAtTheStopWritesNoBlanks) {
    Report r;
    r.text("123456789").tab(10).text("X").endl();
    EXPECT_EQ(r.contents(), "123456789X\r\n");
}

TEST(ReportLineModel, TitleBlockSpacesLettersAndWords) {
    EXPECT_EQ(Report::Spaced("STABILITY"), "S T A B I L I T Y");
    EXPECT_EQ(Report::Spaced("SIDE WALLS"), "S I D E   W A L L S");
    Report r;
    r.titleBlock("SPREAD FOOTING");
    EXPECT_EQ(r.contents(), "\r\n     S P R E A D   F O O T I N G\r\n     " + std::string(65, '=') + "\r\n\r\n");
}

TEST(ReportLineModel, RulesStartAtTheirColumns) {
    Report r;
    r.rule10();
    r.rule6();
    EXPECT_EQ(r.contents(), std::string(9, ' ') + std::string(61, '-') + "\r\n" + std::string(5, ' ') +
                                std::string(65, '-') + "\r\n");
}

TEST(ReportFaults, ADivisionByZeroEndsTheRunAndKeepsEarlierLines) {
    Report r;
    qelvorn::ClearArithmeticFaults();
    r.text("before").endl();
    volatile float zero = 0.0f;
    volatile float x = 1.0f / zero;
    (void)x;
    EXPECT_THROW(r.text("after").endl(), qelvorn::CalculationFault);
    EXPECT_EQ(r.contents(), "before\r\n");
    qelvorn::ClearArithmeticFaults();
}
