#!/usr/bin/env python3
"""The script a student would write for the two cases bench/run.sh times,
with NumPy and SciPy: the same finite volume equations as Calorvia's, solved
with scipy.linalg.solve_banded, writing the same history files.

    python3 bench/numpy_slab.py transient FOLDER   # N = 1000, 10,000 steps
    python3 bench/numpy_slab.py steady FOLDER      # N = 1000, K = 40 + 0.02 T

A 0.1 m steel slab (Rho = 7800, Cp = 470), convection to air at x = 0
(h = 25, Tinf = 20) and a wall at 100 at x = Lx.
"""
import sys

import numpy as np
from scipy.linalg import solve_banded

N = 1000
LX = 0.1
DX = LX / N
H, TINF = 25.0, 20.0
T_EAST = 100.0


def band(K, C):
    """The three diagonals of the pure-diffusion equations, Calorvia's rows:
    interior faces with the harmonic mean of K, the west node through the
    film and the half volume, the east node through the half volume."""
    D = 2.0 * K[:-1] * K[1:] / (K[:-1] + K[1:]) / DX
    ab = np.zeros((3, N))
    ab[0, 1:] = -D               # upper diagonal A(i, i+1)
    ab[2, :-1] = -D              # lower diagonal A(i+1, i)
    ab[1, :] = C
    ab[1, :-1] += D
    ab[1, 1:] += D
    HW = 1.0 / (1.0 / H + DX / (2.0 * K[0]))
    DE = 2.0 * K[-1] / DX
    ab[1, 0] += HW
    ab[1, -1] += DE
    return ab, HW, DE


def transient(folder):
    K = np.full(N, 45.0)
    dt, steps, node = 0.1, 10000, 500
    C = 7800.0 * 470.0 * DX / dt * np.ones(N)
    ab, HW, DE = band(K, C)
    T = np.full(N, 20.0)
    names = ("Unsteady.txt", "Average.txt", "West.txt", "East.txt")
    files = [open(f"{folder}/{name}", "w") for name in names]
    for step in range(1, steps + 1):
        b = C * T
        b[0] += HW * TINF
        b[-1] += DE * T_EAST
        T = solve_banded((1, 1), ab, b)
        t = step * dt
        tw = (2.0 * K[0] * T[0] / (H * DX) + TINF) / (2.0 * K[0] / (H * DX) + 1.0)
        files[0].write(f" {t:15.7g} {T[node - 1]:15.7g}\n")
        files[1].write(f" {t:15.7g} {T.mean():15.7g}\n")
        files[2].write(f" {t:15.7g} {tw:15.7g}\n")
        files[3].write(f" {t:15.7g} {T_EAST:15.7g}\n")
    for f in files:
        f.close()
    write_profile(folder, T)


def steady(folder):
    T = np.linspace(20.0, T_EAST, N)
    source = 1.0e6 * DX
    for _ in range(1000):
        K = 40.0 + 0.02 * T
        ab, HW, DE = band(K, np.zeros(N))
        b = np.full(N, source)
        b[0] += HW * TINF
        b[-1] += DE * T_EAST
        previous = T
        T = solve_banded((1, 1), ab, b)
        if abs(T[N // 2 - 1] - previous[N // 2 - 1]) <= 1.0e-8:
            break
    write_profile(folder, T)


def write_profile(folder, T):
    x = (np.arange(N) + 0.5) * DX
    with open(f"{folder}/Steady.txt", "w") as f:
        for xi, Ti in zip(x, T):
            f.write(f"{xi:12.5f}    {Ti:14.7f}\n")


if __name__ == "__main__":
    {"transient": transient, "steady": steady}[sys.argv[1]](sys.argv[2])
