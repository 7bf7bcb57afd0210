#pragma once
// Explicit instantiation of a condition template for the places of the
// condition pages.

#define TESVIK_INSTANTIATE_CONDITION(name)                          \
  template void name<3>(ConditionInput&, ConditionMatrix&, int);    \
  template void name<4>(ConditionInput&, ConditionMatrix&, int);    \
  template void name<5>(ConditionInput&, ConditionMatrix&, int);
