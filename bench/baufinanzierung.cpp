// The mortgage plan: a plan of the longest length (1200 months) computed with its
// effective rate, the effective rate alone over those payments, one comparison offer's
// effective rate, and the screen computing and painting that plan (month view and year view).
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <vector>

#include "core/AnnuityLoan.h"
#include "core/EffectiveRate.h"
#include "ui/common/MessageBoxes.h"
#include "ui/loans/frmBaufinanzierung.h"

namespace {

// 300.000 € at 3,5 % paid off by 902,47 € a month, 1 % fee: exactly 1200 instalments.
zolt::AnnuityLoanInputs LongLoan() {
    auto c = [](const char* text) { return zolt::CurrencyNumber(text).value; };
    zolt::AnnuityLoanInputs in;
    in.amount = c("300000");
    in.ratePercent = c("3,5");
    in.choice = zolt::InstalmentChoice::Instalment;
    in.instalment = c("902,47");
    in.fixedYears = c("10");
    in.feePercent = c("1");
    return in;
}

void BM_Plan1200Months(benchmark::State& run) {
    const zolt::AnnuityLoanInputs in = LongLoan();
    std::size_t months = 0;
    for (auto _ : run) {
        const zolt::AnnuityLoanResult result = zolt::ComputeAnnuityLoan(in);
        months = result.months.size();
        benchmark::DoNotOptimize(result.effectiveRate);
    }
    if (months != 1200) run.SkipWithError("unexpected plan length");
}
BENCHMARK(BM_Plan1200Months)->Unit(benchmark::kMicrosecond);

void BM_EffectiveRate1200Payments(benchmark::State& run) {
    const zolt::AnnuityLoanResult plan = zolt::ComputeAnnuityLoan(LongLoan());
    std::vector<zolt::LoanPayment> payments;
    for (std::size_t m = 0; m < plan.months.size(); ++m)
        payments.push_back({static_cast<int>(m) + 1, static_cast<double>(plan.months[m].instalment)});
    int steps = 0;
    for (auto _ : run) {
        const zolt::EffectiveRateResult rate = zolt::EffectiveAnnualRate(29'700'000.0, payments);
        steps = rate.steps;
        benchmark::DoNotOptimize(rate.rate);
    }
    run.counters["steps"] = steps;
}
BENCHMARK(BM_EffectiveRate1200Payments)->Unit(benchmark::kMicrosecond);

void BM_OfferEffectiveRate36Months(benchmark::State& run) {
    for (auto _ : run) benchmark::DoNotOptimize(zolt::OfferEffectiveRate(20000, 661.39, 36).rate);
}
BENCHMARK(BM_OfferEffectiveRate36Months)->Unit(benchmark::kMicrosecond);

struct Screen {
    zolt::frmBaufinanzierung screen;
    int boxes = 0;

    Screen() {
        zolt::SetBoxInterceptor([this](const zolt::ShownBox&) { ++boxes; });
        screen.show();
        Get<QRadioButton>("optRate")->setChecked(true);
        Get<QLineEdit>("txtBetrag")->setText(QStringLiteral("300000"));
        Get<QLineEdit>("txtSollzins")->setText(QStringLiteral("3,5"));
        Get<QLineEdit>("txtRate")->setText(QStringLiteral("902,47"));
        Get<QLineEdit>("txtEntgelt")->setText(QStringLiteral("1"));
    }
    ~Screen() { zolt::SetBoxInterceptor({}); }

    template <typename T>
    T* Get(const char* name) { return screen.findChild<T*>(QString::fromLatin1(name)); }
    void Paint() {
        screen.repaint();
        QApplication::processEvents();
    }
};

void BM_ScreenPlan1200Months(benchmark::State& run) {
    Screen s;
    const bool yearly = run.range(0) != 0;
    s.Get<QCheckBox>("chkJahresuebersicht")->setChecked(yearly);
    for (auto _ : run) {
        s.Get<QPushButton>("cmdBerechnen")->click();
        s.Paint();
    }
    const int rows = s.Get<QTableView>("grdPlan")->model()->rowCount();
    if (s.boxes != 0 || rows != (yearly ? 100 : 1200)) run.SkipWithError("plan refused");
}
BENCHMARK(BM_ScreenPlan1200Months)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
