#pragma once
// When an instalment falls due in its period: at the beginning or at the end. Shared by the
// target-sum saving and the loan interest-rate search, so both speak of one kind of timing.

namespace zolt {

enum class PaymentTiming { Beginning, End };

}  // namespace zolt
