# Shortcuts for those who have make; build.sh does the work.
.PHONY: run config test bench install deb
run config test bench install deb:
	./build.sh $@
