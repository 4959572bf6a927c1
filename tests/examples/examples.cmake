# The example cases of examples/ with the options their regression runs use;
# shared by the regression tests and update-golden.sh.
#   name | case file (relative to examples/) | options | files copied beside it
set(CALORVIA_EXAMPLES
  "plane-wall|plane-wall.txt||"
  "uniform-generation|uniform-generation.txt||"
  "fin-like-wall|fin-like-wall.txt||"
  "convection-cooled-wall|convection-cooled-wall.txt||"
  "convection-diffusion-low-peclet|convection-diffusion-low-peclet.txt||"
  "convection-diffusion-high-peclet|convection-diffusion-high-peclet.txt||"
  "transient-slab-cooling|transient-slab-cooling.txt|--steady,no|"
  "temperature-dependent-conductivity|temperature-dependent-conductivity.txt||"
  "experimental-data|experimental-data/heated-slab.txt|--exp|experimental-data/Exp.txt"
  "insulated-pipe-below-critical-radius|insulated-pipe-below-critical-radius.txt||"
  "insulated-pipe-above-critical-radius|insulated-pipe-above-critical-radius.txt||"
  "fuel-rod|fuel-rod.txt||"
  "sphere-cooling|sphere-cooling.txt||"
  "radiating-wall|radiating-wall.txt||")
