# GHDL tests are added here with target_sources(korvalt_e2e_tests ...).
