#pragma once
// Explicit instantiation of a condition template for the places of the
// condition pages.

#define TESVIK_INSTANTIATE_CONDITION(name)                       \
  template void name<3>(ConditionInput&, ConditionMatrix&, int); \
  template void name<4>(ConditionInput&, ConditionMatrix&, int); \
  template void name<5>(ConditionInput&, ConditionMatrix&, int);

// The same for the conditions that front six shares with the condition pages.
#define TESVIK_INSTANTIATE_FRONT_SIX(name) template void name<6>(ConditionInput&, ConditionMatrix&, int);
