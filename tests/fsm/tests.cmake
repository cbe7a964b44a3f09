# Tests of src/fsm are added here with target_sources(korvalt_core_tests ...).
