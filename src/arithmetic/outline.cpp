// SPDX-FileCopyrightText: 2026 The Quintavia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/outline.h"

#include "arithmetic/syntax.h"

namespace quintavia::arithmetic {

using namespace detail;

Outline outlineOf(const Line& expression)
{
    Outline outline;
    try {
        ParsedLine parsed;
        parseLine(expression, true, parsed);
        if (parsed.members.empty())
            throw Failure{{0, "la riga non contiene un'espressione"}};
        if (parsed.members.size() > 1)
            throw Failure{{parsed.equalsColumns[0], "scrivi solo l'espressione, senza altri membri"}};
        const Tree& tree = parsed.tree;
        outline.parts.resize(tree.nodes.size());
        // Children come before their parents, so one pass computes every value from its children's.
        for (std::size_t i = 0; i < tree.nodes.size(); ++i) {
            const Node& node = tree.nodes[i];
            Part& part = outline.parts[i];
            part.kind = Part::Kind(int(node.kind));
            part.column = node.column;
            part.symbol = node.symbol;
            part.text = node.text;
            mpq_class& value = part.value.rep().q;
            switch (node.kind) {
            case Node::Kind::Number: mpq_set(value.get_mpq_t(), NumberValue(tree, node).get()); break;
            case Node::Kind::Group:
            case Node::Kind::Sign:
            case Node::Kind::Power:
                part.children = {node.first};
                value = outline.parts[std::size_t(node.first)].value.rep().q;
                if (node.kind == Node::Kind::Sign && node.symbol == U'-')
                    value = -value;
                if (node.kind == Node::Kind::Power)
                    power(value, node.text, node.column);
                break;
            case Node::Kind::Chain:
                for (int k = 0; k < node.count; ++k) {
                    const Operand& operand = tree.operand(node, k);
                    part.children.push_back(operand.node);
                    const mpq_class& next = outline.parts[std::size_t(operand.node)].value.rep().q;
                    if (k == 0) {
                        value = next;
                        continue;
                    }
                    part.signs.push_back(operand.op);
                    apply(operand.op, value, next.get_mpq_t(), operand.opColumn);
                    part.partials.push_back(part.value);
                }
                break;
            }
        }
        outline.root = parsed.members[0];
    } catch (const Failure& failure) {
        outline = {};
        outline.problem = failure.problem;
    }
    return outline;
}

}  // namespace quintavia::arithmetic
