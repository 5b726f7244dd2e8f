#pragma once

// The message of the failure a call raises, for tests that check the kind and
// the exact text in one comparison.

#include <string>

namespace ostrak::test {

// The message when `call` fails with `Failure`; "(no failure)" when it returns.
// A failure of another kind propagates and fails the test.
template <typename Failure, typename Call>
std::string MessageOf(Call&& call) {
  try {
    call();
  } catch (const Failure& failure) {
    return failure.message();
  }
  return "(no failure)";
}

}  // namespace ostrak::test
