// Timing of the desk calculator's key handling and the calendar's date arithmetic.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/DeskCalculator.h"
#include "core/PerpetualCalendar.h"

namespace {

std::vector<zolt::CalendarDate> RandomDates(std::size_t count) {
    std::mt19937 random(1582u);
    std::uniform_int_distribution<int> years(1500, 2199), months(1, 12), days(1, 28);
    std::vector<zolt::CalendarDate> dates(count);
    for (auto& date : dates) date = {years(random), months(random), days(random)};
    return dates;
}

void BM_DaysBetween(benchmark::State& state) {
    const auto dates = RandomDates(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zolt::DaysBetween(dates[i % 1024], dates[(i + 1) % 1024]));
        ++i;
    }
}
BENCHMARK(BM_DaysBetween);

void BM_Weekday(benchmark::State& state) {
    const auto dates = RandomDates(1024);
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(zolt::WeekdayIndex(dates[i++ % 1024]));
}
BENCHMARK(BM_Weekday);

void BM_ReadDate(benchmark::State& state) {
    const zolt::DateTexts texts{"29", "02", "19", "00"};
    for (auto _ : state) benchmark::DoNotOptimize(zolt::ReadDate(texts));
}
BENCHMARK(BM_ReadDate);

// "12,5 + 7 X 3 / 4 =": eleven keys with three computations and their display texts.
void BM_CalculatorSequence(benchmark::State& state) {
    for (auto _ : state) {
        zolt::DeskCalculator calc;
        calc.Digit(1);
        calc.Digit(2);
        calc.DecimalPoint();
        calc.Digit(5);
        calc.Operator(zolt::CalcOperator::Add);
        calc.Digit(7);
        calc.Operator(zolt::CalcOperator::Multiply);
        calc.Digit(3);
        calc.Operator(zolt::CalcOperator::Divide);
        calc.Digit(4);
        calc.Operator(zolt::CalcOperator::Equals);
        benchmark::DoNotOptimize(calc.Display());
    }
}
BENCHMARK(BM_CalculatorSequence);

}  // namespace

BENCHMARK_MAIN();
