#pragma once
// Fictional Portuguese names and places for the demo congregation. Every
// combination is made up; none stands for a real person.

#include <span>
#include <string_view>

namespace ledra::store::demo {

std::span<const std::string_view> MaleNames();
std::span<const std::string_view> FemaleNames();
std::span<const std::string_view> Surnames();
std::span<const std::string_view> Streets();
std::span<const std::string_view> Towns();
std::span<const std::string_view> GroupNames();
std::span<const std::string_view> Needs();
std::span<const std::string_view> Remarks();

}  // namespace ledra::store::demo
