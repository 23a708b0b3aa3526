# Shortcuts for those who have make; build.sh does the work.
.PHONY: run config test bench install
run config test bench install:
	./build.sh $@
