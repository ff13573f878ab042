#pragma once

// The table's odds, the one place they are written: what a winning bet pays per dollar staked, in
// cents. Banker pays even money less 5 % commission, Player even money, Tie 8 to 1; a tie pushes Player
// and Banker bets.
namespace bacc {

inline constexpr long long BankerPaysCents = 95;
inline constexpr long long PlayerPaysCents = 100;
inline constexpr long long TiePaysCents = 800;

// spot 'B', 'P' or 'T'.
constexpr long long PaysCents(char spot) {
    return spot == 'B' ? BankerPaysCents : (spot == 'T' ? TiePaysCents : PlayerPaysCents);
}

} // namespace bacc
